// node tests/web/serve-test.js SITE: ui/web/serve.js, run as its own process
// over a copy of the built site, against requests that must not end it or
// reach beyond the site: a malformed path, paths up to a sibling folder whose
// name begins with the site's, a method it does not serve, HEAD, and the
// precompressed files a browser takes; and the policy in the page is the
// server's.
'use strict';

const assert = require('assert');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { serveApart } = require('../../ui/web/serve.js');

const site = path.resolve(process.argv[2] || 'build-web/site');
const secret = 'the key of a folder beside the site';

function request(port, method, target, headers = {}) {
    return new Promise((resolve, reject) => {
        const sent = http.request({ host: '127.0.0.1', port, method, path: target, headers }, (response) => {
            const chunks = [];
            response.on('data', (chunk) => chunks.push(chunk));
            response.on('end', () => resolve({ response, body: Buffer.concat(chunks) }));
        });
        sent.on('error', reject);
        sent.end();
    });
}

const file = (name) => fs.readFileSync(path.join(site, name));

// Each request in turn, in this order: the GET after the malformed one shows
// that the server still serves.
const cases = [
    { target: '/%E0%A4%A', status: 400 },
    { target: '/', status: 200, body: () => file('index.html') },
    { target: '/..%2fsite-private/key.txt', status: 404 },
    { target: '/../site-private/key.txt', status: 404 },
    { target: '/%2e%2e/site-private/key.txt', status: 404 },
    { method: 'DELETE', target: '/index.html', status: 405, headers: { allow: 'GET, HEAD' } },
    { method: 'POST', target: '/', status: 405 },
    {
        method: 'HEAD',
        target: '/index.html',
        status: 200,
        body: () => Buffer.alloc(0),
        headers: { 'content-length': () => String(file('index.html').length) },
    },
    {
        target: '/tarnwick.wasm',
        accept: 'gzip, deflate, br',
        status: 200,
        decode: zlib.brotliDecompressSync,
        body: () => file('tarnwick.wasm'),
        headers: { 'content-encoding': 'br', 'content-type': 'application/wasm', vary: 'Accept-Encoding' },
    },
    {
        target: '/tarnwick.js',
        accept: 'gzip',
        status: 200,
        decode: zlib.gunzipSync,
        body: () => file('tarnwick.js'),
        headers: { 'content-encoding': 'gzip' },
    },
    { target: '/tarnwick-page.js', accept: 'br;q=0, identity', status: 200, body: () => file('tarnwick-page.js') },
];

async function main() {
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-serve-'));
    const served = path.join(scratch, 'site');
    fs.cpSync(site, served, { recursive: true });
    fs.mkdirSync(path.join(scratch, 'site-private'));
    fs.writeFileSync(path.join(scratch, 'site-private', 'key.txt'), secret);

    const { server, url } = await serveApart(served);
    let exited = null;
    server.on('exit', (code, signal) => (exited = signal || code));
    try {
        const port = Number(new URL(url).port);
        for (const c of cases) {
            const method = c.method || 'GET';
            const what = `${method} ${c.target}`;
            const headers = c.accept ? { 'accept-encoding': c.accept } : {};
            const { response, body } = await request(port, method, c.target, headers);
            assert.strictEqual(response.statusCode, c.status, what);
            assert.ok(!body.includes(secret), `${what} served the sibling folder's file`);
            assert.match(response.headers['content-security-policy'] || '', /default-src 'self'/, what);
            assert.strictEqual(response.headers['x-content-type-options'], 'nosniff', what);
            for (const [name, value] of Object.entries(c.headers || {})) {
                assert.strictEqual(response.headers[name], typeof value === 'function' ? value() : value, `${what}: ${name}`);
            }
            if (!c.decode && c.body) assert.strictEqual(response.headers['content-encoding'], undefined, what);
            if (c.body) assert.ok((c.decode ? c.decode(body) : body).equals(c.body()), `${what}: the body`);
            assert.strictEqual(exited, null, `serve.js ended after ${what}`);
        }
        // Static hosts carry the policy from the page: the same, less what
        // only a header can say.
        const { response } = await request(port, 'HEAD', '/');
        const meta = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(file('index.html'))[1];
        assert.strictEqual(`${meta}; frame-ancestors 'self'`, response.headers['content-security-policy'],
            "index.html's policy and the server's");
        console.log(`serve.js: ${cases.length} requests answered, and it still serves`);
    } finally {
        server.kill();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
}

main().catch((error) => {
    console.error(error.message);
    process.exit(1);
});
