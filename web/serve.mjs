// A static file server for the explorer (Node, no dependencies): serves one
// folder on 127.0.0.1 and prints its address. Texts and the module go out
// gzipped to a browser that accepts it (the module shrinks from 1 MB to a
// fifth), compressed once per file version.
//
//   node web/serve.mjs ROOT [PORT]      (PORT 0: any free port)
import { createServer } from 'node:http';
import { readFileSync, statSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { extname, join, normalize, resolve, sep } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon',
  '.md': 'text/plain; charset=utf-8',
};

const root = resolve(process.argv[2] || '.');
const port = Number(process.argv[3] || process.env.PORT || 8080);

const gzipped = new Map();

const server = createServer((req, res) => {
  let path;
  try {
    path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
  } catch {
    res.writeHead(400).end('bad request');
    return;
  }
  if (path.endsWith('/')) path += 'index.html';
  const file = normalize(join(root, path));
  if (file !== root && !file.startsWith(root + sep)) {
    res.writeHead(403).end('forbidden');
    return;
  }
  let info;
  try {
    info = statSync(file);
  } catch {
    info = null;
  }
  if (!info || !info.isFile()) {
    res.writeHead(404, { 'content-type': 'text/plain; charset=utf-8' }).end('nie ma takiego pliku');
    return;
  }
  const type = TYPES[extname(file)] || 'application/octet-stream';
  const headers = { 'content-type': type, 'cache-control': 'no-cache', 'x-content-type-options': 'nosniff', vary: 'accept-encoding' };
  let body = readFileSync(file);
  if (/\bgzip\b/.test(req.headers['accept-encoding'] || '') && !type.startsWith('image/png')) {
    const key = `${file}:${info.mtimeMs}:${info.size}`;
    if (!gzipped.has(key)) gzipped.set(key, gzipSync(body, { level: 9 }));
    body = gzipped.get(key);
    headers['content-encoding'] = 'gzip';
  }
  headers['content-length'] = body.length;
  res.writeHead(200, headers);
  res.end(req.method === 'HEAD' ? undefined : body);
});

server.on('error', (e) => {
  console.error(e.code === 'EADDRINUSE' ? `port ${port} is taken: give another (0 picks a free one)` : String(e));
  process.exit(1);
});
server.listen(port, '127.0.0.1', () => {
  console.log(`Kodownik explorer: http://127.0.0.1:${server.address().port}/`);
});
