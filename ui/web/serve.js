// node ui/web/serve.js DIR [PORT [HOST]]: serves the built site, with the
// types a browser wants for WebAssembly, the manifest and the service worker,
// the .br or .gz written beside a file when the browser takes it, and the
// site's content security policy. Any static web server does as well; this
// one needs nothing beyond Node, which the WebAssembly build already brings.
// HOST (default 127.0.0.1, this machine alone) is 0.0.0.0 for a local network.
'use strict';

const http = require('http');
const os = require('os');
const fs = require('fs');
const path = require('path');
const { spawn } = require('child_process');

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

// The site loads only its own files; WebAssembly is compiled from them,
// and no script text is ever evaluated. The page may be framed by its own
// site alone. This is the policy for a folder whose index.html carries none;
// the site's own says the same with its inline style and script (below).
const policy = [
    "default-src 'self'",
    "script-src 'self' 'wasm-unsafe-eval'",
    "style-src 'self'",
    "img-src 'self'",
    "object-src 'none'",
    "base-uri 'none'",
    "form-action 'none'",
    "frame-ancestors 'self'",
].join('; ');

// The precompressed encodings in the order they are preferred.
const encodings = [
    { name: 'br', suffix: '.br' },
    { name: 'gzip', suffix: '.gz' },
];

// Whether an Accept-Encoding header takes `name`: listed, or under '*', with
// a quality above zero.
function accepts(header, name) {
    let star = false;
    for (const item of (header || '').split(',')) {
        const [token, ...parameters] = item.trim().toLowerCase().split(';');
        const q = parameters.map((p) => p.trim()).find((p) => p.startsWith('q='));
        const wanted = q === undefined || Number(q.slice(2)) > 0;
        if (token === name) return wanted;
        if (token === '*') star = wanted;
    }
    return star;
}

async function fileStat(file) {
    try {
        const stat = await fs.promises.stat(file);
        return stat.isFile() ? stat : null;
    } catch {
        return null;
    }
}

function send(response, status, headers, body) {
    response.writeHead(status, { 'Content-Type': 'text/plain; charset=utf-8', ...headers });
    response.end(body === undefined ? `${http.STATUS_CODES[status]}\n` : body);
}

// The site's own policy is the one its index.html carries, which the build
// completes with the digests of the page's inline style and early script,
// and frame-ancestors, which only a header can say; read again whenever the
// page is rebuilt.
const pagePolicies = new Map();
function sitePolicy(root) {
    const page = path.join(root, 'index.html');
    let stat = null;
    try {
        stat = fs.statSync(page);
    } catch {
        return policy;
    }
    const known = pagePolicies.get(root);
    if (known && known.mtimeMs === stat.mtimeMs) return known.policy;
    const meta = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(fs.readFileSync(page, 'utf8'));
    const found = meta ? `${meta[1]}; frame-ancestors 'self'` : policy;
    pagePolicies.set(root, { mtimeMs: stat.mtimeMs, policy: found });
    return found;
}

async function answer(root, request, response) {
    response.setHeader('Content-Security-Policy', sitePolicy(root));
    response.setHeader('X-Content-Type-Options', 'nosniff');
    if (request.method !== 'GET' && request.method !== 'HEAD') {
        send(response, 405, { Allow: 'GET, HEAD' });
        return;
    }
    // The path alone, decoded; a request line whose path is not one, or whose
    // escapes do not decode, is the client's error.
    let name;
    try {
        if (!request.url.startsWith('/')) throw new URIError(request.url);
        name = decodeURIComponent(request.url.replace(/[?#].*/s, ''));
        if (name.includes('\0')) throw new URIError(request.url);
    } catch {
        send(response, 400);
        return;
    }
    // Inside the site folder: no path segment up from it, not elsewhere.
    const relative = path.relative(root, path.join(root, name));
    if (relative.split(path.sep).includes('..') || path.isAbsolute(relative)) {
        send(response, 404);
        return;
    }
    let file = path.join(root, relative);
    if (relative === '' || name.endsWith('/')) file = path.join(file, 'index.html');
    const stat = await fileStat(file);
    if (!stat) {
        send(response, 404);
        return;
    }

    const headers = {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
        Vary: 'Accept-Encoding',
    };
    let sent = file;
    let length = stat.size;
    for (const encoding of encodings) {
        if (!accepts(request.headers['accept-encoding'], encoding.name)) continue;
        const packed = await fileStat(file + encoding.suffix);
        if (packed) {
            sent = file + encoding.suffix;
            length = packed.size;
            headers['Content-Encoding'] = encoding.name;
            break;
        }
    }
    headers['Content-Length'] = length;
    const body = request.method === 'HEAD' ? undefined : await fs.promises.readFile(sent);
    response.writeHead(200, headers);
    response.end(body);
}

/// Serves `dir` on `port` (0: any free port) at `host`; resolves with the
/// server. No request ends it: a fault inside one answers 500.
function serve(dir, port, host = '127.0.0.1') {
    const root = path.resolve(dir);
    const server = http.createServer((request, response) => {
        answer(root, request, response).catch((error) => {
            console.error(`${request.method} ${request.url}: ${error.message}`);
            try {
                if (!response.headersSent) send(response, 500);
                else response.destroy();
            } catch {
                response.destroy();
            }
        });
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, host, () => resolve(server));
    });
}

// Serves `dir` with this script in a process of its own, on a free port, as
// a real server stands apart from the browser that loads from it: resolves
// to the process and the address it serves.
function serveApart(dir) {
    const server = spawn(process.execPath, [__filename, dir, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
    return new Promise((resolve, reject) => {
        let said = '';
        server.stdout.on('data', (data) => {
            said += data;
            const match = /http:\/\/[^ ]+\//.exec(said);
            if (match) resolve({ server, url: match[0] });
        });
        server.once('exit', (code) => reject(new Error(`serve.js ended (${code}) before serving ${dir}: ${said}`)));
    });
}

module.exports = { serve, serveApart, policy };

if (require.main === module) {
    const dir = process.argv[2] || 'build-web/site';
    const port = Number(process.argv[3] || process.env.PORT || 8080);
    const host = process.argv[4] || process.env.HOST || '127.0.0.1';
    serve(dir, port, host).then(
        (server) => {
            const { port: bound } = server.address();
            // On every address: name this machine's own on the local network.
            const any = host === '0.0.0.0' || host === '::';
            const hosts = any
                ? Object.values(os.networkInterfaces())
                      .flat()
                      .filter((a) => a.family === 'IPv4')
                      .map((a) => a.address)
                : [host];
            const urls = hosts.map((h) => `http://${h.includes(':') ? `[${h}]` : h}:${bound}/`);
            console.log(`Tarnwick is served at ${urls.join(' and ')} (Ctrl+C stops it)`);
        },
        (error) => {
            console.error(`serve.js: ${error.message}`);
            process.exit(1);
        });
}
