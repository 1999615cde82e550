// node ui/web/compress.js DIR: writes FILE.gz (zlib, best) and FILE.br
// (brotli, best quality) beside each text or WebAssembly file of DIR, for a
// server that sends them to browsers that take them (serve.js, nginx's
// gzip_static and brotli_static). Only those smaller than the file are kept.
// The service worker is left plain: it is small, and a server that checks
// for a new one must never find a stale compressed copy beside it.
'use strict';

const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const compressible = new Set(['.html', '.css', '.js', '.wasm', '.svg', '.webmanifest', '.json']);
const left = new Set(['sw.js']);

const packers = [
    { suffix: '.gz', pack: (data) => zlib.gzipSync(data, { level: zlib.constants.Z_BEST_COMPRESSION }) },
    {
        suffix: '.br',
        pack: (data) =>
            zlib.brotliCompressSync(data, {
                params: {
                    [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
                    [zlib.constants.BROTLI_PARAM_SIZE_HINT]: data.length,
                },
            }),
    },
];

function compress(dir) {
    let plain = 0;
    let sent = 0;
    for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
        const file = path.join(dir, entry.name);
        if (entry.isDirectory()) {
            const inner = compress(file);
            plain += inner.plain;
            sent += inner.sent;
            continue;
        }
        if (!entry.isFile() || !compressible.has(path.extname(entry.name)) || left.has(entry.name)) continue;
        const data = fs.readFileSync(file);
        let smallest = data.length;
        for (const { suffix, pack } of packers) {
            const packed = pack(data);
            if (packed.length < data.length) {
                fs.writeFileSync(file + suffix, packed);
                smallest = Math.min(smallest, packed.length);
            } else {
                fs.rmSync(file + suffix, { force: true });
            }
        }
        plain += data.length;
        sent += smallest;
    }
    return { plain, sent };
}

module.exports = { compress };

if (require.main === module) {
    const dir = process.argv[2];
    if (!dir) {
        console.error('usage: node compress.js DIR');
        process.exit(2);
    }
    const { plain, sent } = compress(dir);
    console.log(`compressed ${dir}: ${Math.round(plain / 1024)} KiB, ${Math.round(sent / 1024)} KiB sent`);
}
