// The same "usable" mark as the calculator's page: the frame after the
// field is there has been painted. A file of its own, as the site's content
// security policy runs no inline script.
document.body.dataset.ready = 'true';
requestAnimationFrame(() => setTimeout(() => performance.mark('tarnwick-usable')));
