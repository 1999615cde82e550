// node ui/web/serve.js DIR [PORT [HOST]]: serves the built site, with the
// types a browser wants for WebAssembly, the manifest and the service worker,
// the .br or .gz written beside a file when the browser takes it, a validator
// on each (ETag, Last-Modified) that a revisit's conditional request is
// answered from with 304, and the site's content security policy. It lets go
// of a connection that stays silent, sends its request too slowly or stops
// reading its answer, and serves nothing that lies outside the site folder,
// symbolic links included. Any static web server does as well; this one
// needs nothing beyond Node, which the WebAssembly build already brings.
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

// How long the server waits on a client, in milliseconds: for a request's
// headers and for the whole request; for the next request on a connection
// kept open; and for any sign of life from a connection (a client that
// sends nothing, or stops reading what it asked for). Fewer connections than
// a process's usual 1,024 open files leave it files to read the site with.
const limits = {
    headersMs: 10000,
    requestMs: 15000,
    keepAliveMs: 5000,
    silentMs: 10000,
    connections: 512,
};

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

// The file itself when it lies in the site folder `root` (its real path),
// symbolic links followed; else nothing.
async function inside(root, file) {
    try {
        const real = await fs.promises.realpath(file);
        return real === root || real.startsWith(root + path.sep) ? real : null;
    } catch {
        return null;
    }
}

// A validator per file as stored: its size and time, and which variant.
function entityTag(stat, encoding) {
    return `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}${encoding ? '-' + encoding : ''}"`;
}

// Whether a conditional GET or HEAD may be answered with 304: an
// If-None-Match that names the tag (or *), else an If-Modified-Since no
// earlier than the file's time, to the second.
function unchanged(request, tag, stat) {
    const match = request.headers['if-none-match'];
    if (match !== undefined) {
        return match.split(',').some((t) => t.trim() === '*' || t.trim().replace(/^W\//, '') === tag);
    }
    const since = Date.parse(request.headers['if-modified-since'] || '');
    return !Number.isNaN(since) && Math.floor(stat.mtimeMs / 1000) * 1000 <= since;
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
    const real = await inside(root, file);
    const stat = real && (await fileStat(real));
    if (!stat) {
        send(response, 404);
        return;
    }

    const headers = {
        'Content-Type': types[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
        Vary: 'Accept-Encoding',
    };
    let sent = real;
    let sentStat = stat;
    let encoding = null;
    for (const e of encodings) {
        if (!accepts(request.headers['accept-encoding'], e.name)) continue;
        const packed = await inside(root, file + e.suffix);
        const packedStat = packed && (await fileStat(packed));
        if (packedStat) {
            [sent, sentStat, encoding] = [packed, packedStat, e.name];
            headers['Content-Encoding'] = e.name;
            break;
        }
    }
    headers.ETag = entityTag(sentStat, encoding);
    headers['Last-Modified'] = sentStat.mtime.toUTCString();
    if (unchanged(request, headers.ETag, sentStat)) {
        delete headers['Content-Type'];
        response.writeHead(304, headers);
        response.end();
        return;
    }
    headers['Content-Length'] = sentStat.size;
    const body = request.method === 'HEAD' ? undefined : await fs.promises.readFile(sent);
    response.writeHead(200, headers);
    response.end(body);
}

/// Serves `dir` on `port` (0: any free port) at `host`; resolves with the
/// server. No request ends it: a fault inside one answers 500.
function serve(dir, port, host = '127.0.0.1') {
    const root = fs.realpathSync(path.resolve(dir));
    const options = {
        headersTimeout: limits.headersMs,
        requestTimeout: limits.requestMs,
        keepAliveTimeout: limits.keepAliveMs,
        // How often the first two are looked at.
        connectionsCheckingInterval: 1000,
    };
    const server = http.createServer(options, (request, response) => {
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
    // A connection with nothing moving either way for this long is dropped.
    server.setTimeout(limits.silentMs, (socket) => socket.destroy());
    server.maxConnections = limits.connections;
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, host, () => resolve(server));
    });
}

// Serves `dir` with this script in a process of its own, on a free port, as
// a real server stands apart from the browser that loads from it: resolves
// to the process and the address it serves. `openFiles` limits the files the
// process may hold open (ulimit -n).
function serveApart(dir, { openFiles } = {}) {
    const command = [process.execPath, __filename, dir, '0'];
    const server = openFiles
        ? spawn('/bin/sh', ['-c', `ulimit -n ${Number(openFiles)} && exec "$@"`, 'sh', ...command],
            { stdio: ['ignore', 'pipe', 'inherit'] })
        : spawn(command[0], command.slice(1), { stdio: ['ignore', 'pipe', 'inherit'] });
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

module.exports = { serve, serveApart, policy, limits };

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
