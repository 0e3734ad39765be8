'use strict';
// Checks that every country's map point lies on that country's outline as the map draws it.
// Hong Kong and Wales are a pixel or two across at this size and may miss by a little.
const topojson = require('topojson-client');
const world = require('world-atlas/countries-50m.json');
const { anchors, project } = require('./projection');
const { featureFor, walesRegion } = require('./outlines');
const names = require('../flags/countries');

const tolerance = { 9: 2.5, 18: 2.5 };
const countries = topojson.feature(world, world.objects.countries).features;

// The outline's rings in picture pixels; a ring torn by the map's edge meridian is left out.
function pictureRings(geometry) {
  const polygons = geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates;
  const rings = polygons.flat().map((ring) => ring.map(project)).filter((ring) => ring.every(Boolean));
  return rings.filter((ring) => {
    const xs = ring.map((p) => p[0]);
    return Math.max(...xs) - Math.min(...xs) < 200;
  });
}

function insideRings(point, rings) {
  let inside = false;
  for (const ring of rings) {
    for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
      const [xi, yi] = ring[i];
      const [xj, yj] = ring[j];
      if ((yi > point[1]) !== (yj > point[1]) && point[0] < ((xj - xi) * (point[1] - yi)) / (yj - yi) + xi) {
        inside = !inside;
      }
    }
  }
  return inside;
}

function distanceToRings(point, rings) {
  let best = Infinity;
  for (const ring of rings) {
    for (let i = 1; i < ring.length; i++) {
      const [ax, ay] = ring[i - 1];
      const [bx, by] = ring[i];
      const len2 = (bx - ax) ** 2 + (by - ay) ** 2;
      const t = len2 ? Math.max(0, Math.min(1, ((point[0] - ax) * (bx - ax) + (point[1] - ay) * (by - ay)) / len2)) : 0;
      best = Math.min(best, Math.hypot(point[0] - ax - t * (bx - ax), point[1] - ay - t * (by - ay)));
    }
  }
  return best;
}

// Distance from the point to the country (0 when inside).
function miss(number, point) {
  const rings = pictureRings(featureFor(countries, number).geometry);
  const onLand = insideRings(point, rings) ? 0 : distanceToRings(point, rings);
  if (number !== 18) return onLand;
  const region = pictureRings(walesRegion);
  return Math.max(onLand, insideRings(point, region) ? 0 : distanceToRings(point, region));
}

let failures = 0;
for (const { number, point } of anchors) {
  const d = miss(number, [point[0] + 0.5, point[1] + 0.5]);
  const ok = d <= (tolerance[number] ?? 0);
  if (!ok) failures++;
  console.log(`${ok ? 'ok  ' : 'MISS'} ${String(number).padStart(2)} ${names[number - 1].name.padEnd(15)} ` +
    `(${point.join(', ')}) ${d === 0 ? 'on the country' : `${d.toFixed(2)} px away`}`);
}
if (failures) {
  console.error(`map check: ${failures} map point(s) miss their country`);
  process.exit(1);
}
console.log('map check: all 20 map points lie on their countries');
