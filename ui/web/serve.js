// node ui/web/serve.js DIR [PORT]: serves the built site on localhost, with
// the types a browser wants for WebAssembly, the manifest and the service
// worker. Any static web server does as well; this one needs nothing beyond
// Node, which the WebAssembly build already brings.
'use strict';

const http = require('http');
const fs = require('fs');
const path = require('path');

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
};

/// Serves `dir` on `port` (0: any free port); resolves with the server.
function serve(dir, port) {
    const root = path.resolve(dir);
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        let file = path.join(root, decodeURIComponent(url.pathname));
        if (!file.startsWith(root)) {
            response.writeHead(403).end();
            return;
        }
        if (url.pathname.endsWith('/')) file = path.join(file, 'index.html');
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
                return;
            }
            response.writeHead(200, {
                'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(data);
        });
    });

    return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

module.exports = { serve };

if (require.main === module) {
    const dir = process.argv[2] || 'build-web/site';
    const port = Number(process.argv[3] || process.env.PORT || 8080);
    serve(dir, port).then((server) => {
        const address = server.address();
        console.log(`Tarnwick is served at http://localhost:${address.port}/ (Ctrl+C stops it)`);
    });
}
