// TARNWICK_SITE=SITE_DIR node --test tests/web/serve-test.js: ui/web/serve.js,
// run as its own process over a copy of the built site, against requests
// that must not end it or reach beyond the site, a revisit's conditional
// requests, the page's policy, and connections that hold it up.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const http = require('http');
const net = require('net');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { serveApart, limits } = require('../../ui/web/serve.js');
const { site, pause } = require('./drivers.js');

const secret = 'the key of a folder beside the site';
const file = (name) => fs.readFileSync(path.join(site, name));

// The answer to one request, its body whole; or the error it met.
const request = (port, method, target, headers = {}) => new Promise((resolve, reject) => {
    http.request({ host: '127.0.0.1', port, method, path: target, headers }, (response) => {
        const chunks = [];
        response.on('data', (chunk) => chunks.push(chunk));
        response.on('end', () => resolve({ response, body: Buffer.concat(chunks) }));
    }).on('error', reject).end();
});

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
    { method: 'HEAD', target: '/index.html', status: 200, body: () => Buffer.alloc(0),
        headers: { 'content-length': () => String(file('index.html').length) } },
    { target: '/tarnwick.wasm', accept: 'gzip, deflate, br', status: 200, decode: zlib.brotliDecompressSync,
        body: () => file('tarnwick.wasm'),
        headers: { 'content-encoding': 'br', 'content-type': 'application/wasm', vary: 'Accept-Encoding' } },
    { target: '/tarnwick.js', accept: 'gzip', status: 200, decode: zlib.gunzipSync, body: () => file('tarnwick.js'),
        headers: { 'content-encoding': 'gzip' } },
    { target: '/tarnwick-page.js', accept: 'br;q=0, identity', status: 200, body: () => file('tarnwick-page.js') },
    { target: '/leak.txt', status: 404 },
    { target: '/up/site-private/key.txt', status: 404 },
];

// A copy of the site beside a folder whose name begins with the site's, and
// links out of it; served apart, and watched for its end.
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-serve-'));
const copy = path.join(scratch, 'site');
let server;
let port;
let exited = null;
before(async () => {
    fs.cpSync(site, copy, { recursive: true });
    fs.mkdirSync(path.join(scratch, 'site-private'));
    fs.writeFileSync(path.join(scratch, 'site-private', 'key.txt'), secret);
    fs.symlinkSync(path.join(scratch, 'site-private', 'key.txt'), path.join(copy, 'leak.txt'));
    fs.symlinkSync(scratch, path.join(copy, 'up'));
    const started = await serveApart(copy);
    [server, port] = [started.server, Number(new URL(started.url).port)];
    server.on('exit', (code, signal) => (exited = signal || code));
});
after(() => {
    server.kill();
    fs.rmSync(scratch, { recursive: true, force: true });
});

test('bad requests neither end the server nor reach past the site; HEAD and the compressed files', async () => {
    for (const c of cases) {
        const what = `${c.method || 'GET'} ${c.target}`;
        const { response, body } = await request(port, c.method || 'GET', c.target, c.accept ? { 'accept-encoding': c.accept } : {});
        assert.equal(response.statusCode, c.status, what);
        assert.ok(!body.includes(secret), `${what} served the sibling folder's file`);
        assert.match(response.headers['content-security-policy'] || '', /default-src 'self'/, what);
        assert.equal(response.headers['x-content-type-options'], 'nosniff', what);
        for (const [name, value] of Object.entries(c.headers || {})) {
            assert.equal(response.headers[name], typeof value === 'function' ? value() : value, `${what}: ${name}`);
        }
        if (!c.decode && c.body) assert.equal(response.headers['content-encoding'], undefined, what);
        if (c.body) assert.ok((c.decode ? c.decode(body) : body).equals(c.body()), `${what}: the body`);
        assert.equal(exited, null, `serve.js ended after ${what}`);
    }
});

// Static hosts carry the policy from the page: the same, less what only a
// header can say.
test('the policy in the page is the server\'s', async () => {
    const { response } = await request(port, 'HEAD', '/');
    const meta = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(file('index.html'))[1];
    assert.equal(`${meta}; frame-ancestors 'self'`, response.headers['content-security-policy']);
});

// Each variant's validators, sent back, get 304 with no body; another
// variant's tag gets the file.
test('a revisit gets 304 for each variant', async () => {
    for (const accept of ['br', 'gzip', 'identity']) {
        const first = await request(port, 'GET', '/tarnwick.wasm', { 'accept-encoding': accept });
        const { etag, 'last-modified': modified } = first.response.headers;
        assert.ok(etag && modified, `${accept}: a validator`);
        for (const conditional of [{ 'if-none-match': etag }, { 'if-modified-since': modified }]) {
            const again = await request(port, 'GET', '/tarnwick.wasm', { 'accept-encoding': accept, ...conditional });
            assert.deepEqual([again.response.statusCode, again.body.length, again.response.headers.etag], [304, 0, etag],
                `${accept}, ${Object.keys(conditional)}`);
        }
        const other = await request(port, 'GET', '/tarnwick.wasm',
            { 'if-none-match': etag, 'accept-encoding': accept === 'br' ? 'gzip' : 'br' });
        assert.equal(other.response.statusCode, 200, `${accept}: another variant's tag`);
    }
});

// Connections that never send a request, and one that asks for the
// WebAssembly and never reads it, against a server that may open 1,024
// files: another client is served within the silent connections' limit
// (retrying while the server has no room), and the reader is let go.
test('at 1,024 open files, silent connections and a client that stops reading are let go in time', async (t) => {
    const { server: starved, url } = await serveApart(copy, { openFiles: 1024 });
    const at = Number(new URL(url).port);
    const sockets = [];
    const connect = () => new Promise((resolve) => {
        const socket = net.connect(at, '127.0.0.1', () => resolve(socket)).on('error', () => resolve(socket));
        sockets.push(socket);
    });
    try {
        for (let i = 0; i < 1100; ++i) await connect();
        const stalled = await connect();
        stalled.pause();
        stalled.write('GET /tarnwick.wasm HTTP/1.1\r\nHost: x\r\n\r\n');
        const closed = new Promise((resolve) => stalled.on('close', resolve));
        const began = Date.now();
        const deadline = began + limits.silentMs + 5000;
        let status = null;
        while (status !== 200 && Date.now() < deadline) {
            status = await request(at, 'GET', '/', { connection: 'close' }).then((r) => r.response.statusCode, () => null);
            if (status !== 200) await pause(250);
        }
        assert.equal(status, 200, 'another client is served while silent connections wait');
        t.diagnostic(`another client served ${Date.now() - began} ms after 1,100 silent connections`);
        const kept = pause(Math.max(0, deadline - Date.now())).then(() => assert.fail('the client that stopped reading was kept'));
        await Promise.race([closed, kept]);
    } finally {
        for (const socket of sockets) socket.destroy();
        starved.kill();
    }
});
