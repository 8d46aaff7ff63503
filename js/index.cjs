// CommonJS entry: the same library, loaded through the ES module.
//
//   const { load } = require('kodownik');
//   load().then((k) => console.log(k.check(10004, '011101', '2003-01-01')));
'use strict';

function load(options) {
  return import('./index.mjs').then((m) => m.load(options));
}

// The editions of the bundled module, as index.mjs and package.json state them.
const EDITIONS = 'snapshot';

module.exports = { load, default: load, EDITIONS };
