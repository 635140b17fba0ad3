// What a third-party reader (palm-pdb) sees of each database named, or of
// each entry of a zip of them: one line each, tab-separated, as
//   <file or entry> <name> <type> <creator> <records> <app-info bytes>
// A file it can't read ends the run with status 1.
'use strict';
const fs = require('fs');
const {RawPdbDatabase} = require('palm-pdb');

function describe(label, bytes) {
  const db = RawPdbDatabase.from(bytes);
  const appInfo = db.appInfo ? db.appInfo.value.length : 0;
  const {name, type, creator} = db.header;
  console.log([label, name, type, creator, db.records.length, appInfo].join('\t'));
}

// Stored entries only, as the zips read here are written.
function entries(zip) {
  const found = [];
  for (let at = 0; zip.readUInt32LE(at) === 0x04034b50;) {
    const method = zip.readUInt16LE(at + 8);
    const size = zip.readUInt32LE(at + 18);
    const nameLength = zip.readUInt16LE(at + 26);
    const extraLength = zip.readUInt16LE(at + 28);
    const name = zip.toString('utf8', at + 30, at + 30 + nameLength);
    const start = at + 30 + nameLength + extraLength;
    if (method !== 0) throw new Error(name + ' is not stored');
    found.push([name, zip.subarray(start, start + size)]);
    at = start + size;
  }
  return found;
}

for (const file of process.argv.slice(2)) {
  const bytes = fs.readFileSync(file);
  if (file.endsWith('.zip')) {
    for (const [name, entry] of entries(bytes)) describe(name, entry);
  } else {
    describe(file, bytes);
  }
}
