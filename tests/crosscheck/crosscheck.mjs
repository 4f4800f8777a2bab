// Cross-checks the palette tool against two other people's libraries from npm:
// ase-utils (Adobe Swatch Exchange) and adobe-aco (Photoshop swatches). Files they
// write must read as they mean, and files we write must read back in them.
//   node crosscheck.mjs PATH/TO/tintlens-palette
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { createAcoFile, readAcoFile } from 'adobe-aco';

const ase = createRequire(import.meta.url)('ase-utils');
const tool = process.argv[2];
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tintlens-crosscheck-'));
let passed = 0, failed = 0;

function check(name, body) {
  try {
    body();
    passed++;
    console.log(`  ok   ${name}`);
  } catch (error) {
    failed++;
    console.log(`  FAIL ${name}\n${error.message}`);
  }
}

const byte = (v) => Math.round(Math.min(1, Math.max(0, v)) * 255);
// What each ASE model means, from Adobe's description, as "R, G, B".
function expected({ model, color: v }) {
  switch (model.trim().toUpperCase()) {
    case 'RGB': return [byte(v[0]), byte(v[1]), byte(v[2])];
    case 'GRAY': return [byte(v[0]), byte(v[0]), byte(v[0])];
    case 'CMYK': return [0, 1, 2].map((i) => byte((1 - v[i]) * (1 - v[3])));
    default: throw new Error(`no expectation for ${model}`);
  }
}

function show(file) {
  return execFileSync(tool, ['show', file], { encoding: 'utf8' }).trim().split('\n')
    .map((line) => line.split(', ').map(Number));
}

function save(name, bytes) {
  const file = path.join(folder, name);
  fs.writeFileSync(file, Buffer.from(bytes));
  return file;
}

const colours = [[18, 52, 86], [255, 255, 255], [0, 0, 0], [200, 100, 7]];
const clf = save('brand.clf', Buffer.concat([Buffer.from('TintLns\x00\x10', 'latin1'),
  Buffer.from([colours.length, 0, 0, 0]), ...colours.map((c) => Buffer.from([...c, 0]))]));

try {
  check('ase-utils: its sample file, every model, reads as Adobe describes it', () => {
    const sample = createRequire(import.meta.url).resolve('ase-utils/test.ase');
    const { colors } = ase.decode(fs.readFileSync(sample));
    assert.deepEqual(show(sample), colors.map(expected));
  });
  check('ase-utils: RGB, Gray, CMYK and Lab entries it writes', () => {
    const written = { version: '1.0', groups: [], colors: [
      { name: 'blue', model: 'RGB', color: [18 / 255, 52 / 255, 86 / 255], type: 'global' },
      { name: 'grey', model: 'Gray', color: [0.5], type: 'spot' },
      { name: 'cyan', model: 'CMYK', color: [1, 0, 0, 0.5], type: 'normal' },
      { name: 'white', model: 'LAB', color: [1, 0, 0], type: 'normal' },
    ] };
    const file = save('theirs.ase', ase.encode(written));
    assert.deepEqual(show(file), [[18, 52, 86], [128, 128, 128], [0, 128, 128], [255, 255, 255]]);
  });
  check('ase-utils reads our .ase export', () => {
    const file = path.join(folder, 'ours.ase');
    execFileSync(tool, ['export', clf, file]);
    const { colors } = ase.decode(fs.readFileSync(file));
    assert.deepEqual(colors.map((c) => [c.name, c.model, c.type, ...expected(c)]),
      colours.map((c) => [`R=${c[0]} G=${c[1]} B=${c[2]}`, 'RGB', 'normal', ...c]));
  });
  check('adobe-aco: RGB and HSB swatches it writes', () => {
    const file = save('theirs.aco', createAcoFile([
      [[18, 52, 86], 'rgb', 'blue'], [[0, 100, 100], 'hsv', 'red'], [[120, 100, 100], 'hsv', 'green'],
    ]));
    assert.deepEqual(show(file), [[18, 52, 86], [255, 0, 0], [0, 255, 0]]);
  });
  check('adobe-aco reads our .aco export, names and all', () => {
    const file = path.join(folder, 'ours.aco');
    execFileSync(tool, ['export', clf, file]);
    const read = readAcoFile(new Uint8Array(fs.readFileSync(file)).buffer);
    assert.deepEqual(read, colours.map((c) => [c, 'rgb', `R=${c[0]} G=${c[1]} B=${c[2]}`]));
  });
  check('names go both ways, through ours and both libraries', () => {
    const names = ['Brand blue', 'Caf\u00e9', 'Spot \u{1F3A8}'];
    const theirs = save('named.ase', ase.encode({ version: '1.0', groups: [], colors: names.map((name, i) => (
      { name, model: 'RGB', color: [i / 255, 0, 0], type: 'normal' })) }));
    const shown = execFileSync(tool, ['show', theirs, '--names'], { encoding: 'utf8' });
    assert.deepEqual(shown.trim().split('\n').map((line) => line.split('\t')[1]), names);
    const aco = path.join(folder, 'named.aco'), back = path.join(folder, 'named-back.ase');
    execFileSync(tool, ['export', theirs, aco]);
    assert.deepEqual(readAcoFile(new Uint8Array(fs.readFileSync(aco)).buffer).map((c) => c[2]), names);
    execFileSync(tool, ['export', aco, back]);
    assert.deepEqual(ase.decode(fs.readFileSync(back)).colors.map((c) => c.name), names);
  });
} finally {
  fs.rmSync(folder, { recursive: true, force: true });
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
