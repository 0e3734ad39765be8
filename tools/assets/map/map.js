'use strict';
// The world screen's 431 x 292 map (TForm5/Image2): sea, land, the tour's countries picked
// out, Wales's border drawn inside the United Kingdom. Writes the SVG to the path given.
const fs = require('fs');
const d3 = require('d3-geo');
const topojson = require('topojson-client');
const world = require('world-atlas/countries-50m.json');
const { width, height, projection } = require('./projection');
const { tourFeatures, walesBorderLine } = require('./outlines');
const { palette, svgDocument } = require('../interface/style');

const countries = topojson.feature(world, world.objects.countries).features;
const path = d3.geoPath(projection);
const tourIds = new Set(tourFeatures(countries).map((f) => f.id));

const sea = `<rect width="${width}" height="${height}" fill="#A9CDEB"/>`;
const graticule = `<path d="${path(d3.geoGraticule().step([30, 30])())}" fill="none" stroke="#FFFFFF" stroke-opacity="0.55" stroke-width="0.6"/>`;
const land = countries.filter((f) => !tourIds.has(f.id))
  .map((f) => `<path d="${path(f)}"/>`).join('');
const tour = countries.filter((f) => tourIds.has(f.id))
  .map((f) => `<path d="${path(f)}"/>`).join('');
const wales = `<path d="${path(walesBorderLine)}" fill="none" stroke="${palette.ink}" stroke-opacity="0.6" stroke-width="0.5"/>`;
const frame = `<rect x="0.5" y="0.5" width="${width - 1}" height="${height - 1}" fill="none" stroke="${palette.ink}" stroke-width="1"/>`;

const body = sea + graticule +
  `<g fill="#E6DEC6" stroke="#A89E80" stroke-width="0.4" stroke-linejoin="round">${land}</g>` +
  `<g fill="${palette.fieldLight}" stroke="${palette.fieldDark}" stroke-width="0.5" stroke-linejoin="round">${tour}</g>` +
  wales + frame;
fs.writeFileSync(process.argv[2], svgDocument(width, height, body));
