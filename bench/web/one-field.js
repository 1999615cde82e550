// The one-field page's reaction to typing, as the calculator shows a typed
// speed's conversion: the value shown beside the field, also what was typed
// before this script ran.
'use strict';
const field = document.getElementById('field');
const show = () => (document.getElementById('echo').value = field.value);
field.addEventListener('input', show);
show();
document.body.dataset.ready = 'true';
