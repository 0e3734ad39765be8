'use strict';
// A look at each field surface with the match drawn over it: bunkers, players,
// paintballs, the pointer path and a sprinkle of weather, as a player would see it.
const fs = require('fs');
const path = require('path');
const { seededRandom } = require('./lib/random');

const [picturesDir, outDir] = process.argv.slice(2);
const bunkers = [[400, 50], [400, 200], [400, 350], [200, 100], [250, 200], [200, 300], [600, 100], [550, 200], [600, 300], [100, 350], [700, 50], [100, 50], [700, 350]];
const kinds = ['#008000', '#808000', '#008080'];
const weather = { Image2: '#A6CAF0', Image3: '#808080', Image4: '#C0C0C0', Image5: null };

function matchOverlay(surface) {
  const random = seededRandom(5);
  let body = '';
  bunkers.forEach(([x, y], n) => {
    body += `<circle cx="${x}" cy="${y}" r="15" fill="${kinds[n % 3]}" stroke="black"/>`;
  });
  for (let j = 1; j <= 7; j++) {
    const x = 60 + j * 35;
    const y = 20 * j + 120;
    body += `<circle cx="${x}" cy="${y}" r="10" fill="blue" stroke="black"/><text x="${x - 2}" y="${y + 3}" font-size="7" fill="white">${j}</text>`;
    body += `<circle cx="${x + 500}" cy="${y}" r="10" fill="red" stroke="black"/>`;
  }
  for (let i = 0; i < 30; i++) body += `<circle cx="${300 + i * 8}" cy="${250 + i * 2}" r="2" fill="yellow" stroke="yellow"/>`;
  for (let i = 0; i < 25; i++) body += `<circle cx="${130 + i * 9}" cy="${200 - i * 3}" r="2" fill="${i > 18 ? 'red' : 'black'}"/>`;
  body += `<circle cx="785" cy="200" r="12" fill="#FF00FF" stroke="black"/>`;
  body += `<line x1="50" y1="100" x2="50" y2="300" stroke="red"/><line x1="750" y1="100" x2="750" y2="300" stroke="red"/>`;
  const colour = weather[surface];
  if (colour) {
    for (let p = 0; p < 100; p++) {
      const x = random() * 800;
      const y = random() * 400;
      body += surface === 'Image2'
        ? `<polyline points="${x + 6},${y - 6} ${x},${y} ${x + 7},${y - 5}" stroke="${colour}" fill="none"/>`
        : `<circle cx="${x}" cy="${y}" r="${surface === 'Image3' ? 3 : 2}" fill="${colour}" stroke="${colour}"/>`;
    }
  }
  const href = "data:image/jpeg;base64," + fs.readFileSync(path.join(picturesDir, "TForm8", `${surface}.jpg`)).toString("base64");
  return `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="800" height="400"><image width="800" height="400" xlink:href="${href}"/>${body}</svg>`;
}

for (const surface of Object.keys(weather)) {
  fs.writeFileSync(path.join(outDir, `match-${surface}.svg`), matchOverlay(surface));
}
