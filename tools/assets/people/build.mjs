// Writes the SVG of every people picture and a job list for the rasteriser.
import fs from 'node:fs';
import path from 'node:path';
import { pictures } from './pictures.mjs';

const outDir = process.argv[2];
fs.mkdirSync(path.join(outDir, 'svg'), { recursive: true });
const jobs = pictures().map(({ form, image, width, height, svg }) => {
  const file = path.join(outDir, 'svg', `TForm${form}_Image${image}.svg`);
  fs.writeFileSync(file, svg);
  return [file, width, height, `assets/pictures/TForm${form}/Image${image}.jpg`].join('\t');
});
fs.writeFileSync(path.join(outDir, 'jobs.tsv'), `${jobs.join('\n')}\n`);
console.log(`people: ${jobs.length} pictures`);
