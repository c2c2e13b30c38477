#!/usr/bin/env node
// Usage: node validate.js FILE.glb
// Prints "errors N warnings N infos N hints N", the vertex and triangle
// counts of the file's meshes and one line per message; exits 0 when the
// report has no errors and no warnings, 1 otherwise, 2 when the file cannot
// be read.
'use strict';

const fs = require('fs');
const validator = require('gltf-validator');

async function main(file) {
  const bytes = new Uint8Array(fs.readFileSync(file));
  const report = await validator.validateBytes(bytes, { maxIssues: 0 });
  const issues = report.issues;
  console.log(`errors ${issues.numErrors} warnings ${issues.numWarnings} ` +
              `infos ${issues.numInfos} hints ${issues.numHints}`);
  const info = report.info || {};
  console.log(`vertices ${info.totalVertexCount} triangles ${info.totalTriangleCount}`);
  for (const m of issues.messages) {
    console.log(`${['error', 'warning', 'info', 'hint'][m.severity]} ${m.code} ${m.pointer || ''} ${m.message}`);
  }
  return issues.numErrors === 0 && issues.numWarnings === 0 ? 0 : 1;
}

if (process.argv.length !== 3) {
  console.error('usage: node validate.js FILE.glb');
  process.exit(2);
}
main(process.argv[2]).then(
  (code) => process.exit(code),
  (error) => { console.error(`cannot validate ${process.argv[2]}: ${error.message || error}`); process.exit(2); });
