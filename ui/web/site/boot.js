// Starts the calculator once every deferred script, the program's among
// them, has run.
'use strict';

document.addEventListener('DOMContentLoaded', () => tarnwickPage.boot());
