'use strict';
// The outlines a map point is checked against: each tour country's shape from Natural Earth,
// and Wales as the part of the United Kingdom west of the England-Wales border.

const atlasNames = {
  1: 'Australia', 2: 'Azerbaijan', 3: 'Brazil', 4: 'Canada', 5: 'China', 6: 'Denmark', 7: 'France',
  8: 'Germany', 9: 'Hong Kong', 10: 'India', 11: 'Japan', 12: 'Mexico', 13: 'Netherlands',
  14: 'New Zealand', 15: 'Poland', 16: 'United Kingdom', 17: 'United States of America',
  18: 'United Kingdom', 19: 'Yemen', 20: 'Zimbabwe',
};

// The border from the Dee estuary to the Severn estuary (lon, lat).
const walesBorder = [
  [-3.08, 53.3], [-2.95, 53.1], [-2.72, 52.98], [-3.05, 52.9], [-3.15, 52.55], [-2.98, 52.35],
  [-3.1, 52.15], [-2.95, 51.95], [-2.65, 51.85], [-2.65, 51.62], [-2.75, 51.5],
];
// Closed round Wales through the sea to the west.
const walesRegion = {
  type: 'Polygon',
  coordinates: [[[-3.35, 53.5], ...walesBorder, [-3.5, 51.2], [-5.9, 51.4], [-5.4, 52.2], [-4.9, 53.0],
    [-4.8, 53.5], [-3.35, 53.5]].reverse()],
};
const walesBorderLine = { type: 'LineString', coordinates: walesBorder };

function featureFor(countries, number) {
  const found = countries.find((f) => f.properties.name === atlasNames[number]);
  if (!found) throw new Error(`no outline for country ${number}`);
  return found;
}

function tourFeatures(countries) {
  return Object.keys(atlasNames).map((n) => featureFor(countries, Number(n)));
}

module.exports = { atlasNames, featureFor, tourFeatures, walesRegion, walesBorderLine };
