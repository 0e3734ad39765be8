'use strict';
// The world map's projection: Mercator, turned to centre on 10 degrees east, stretched to the
// map's frame by a least-squares fit through one chosen point inside each tour country, then
// bent by a smooth local warp so that each of those points lands exactly on the country's map
// point. The world screen's map points were placed by hand, so no plain projection hits them.
const d3 = require('d3-geo');

const width = 431;
const height = 292;
const centreLongitude = 10;

// Country number, map point on the picture, and a point well inside the country (lon, lat).
const anchors = [
  [1, [367, 220], [136.1, -25.9]], [2, [258, 115], [47.0, 40.9]], [3, [141, 190], [-50.1, -6.2]],
  [4, [78, 87], [-102, 54.2]], [5, [334, 108], [113.5, 43]], [6, [225, 86], [12.1, 55.45]],
  [7, [209, 98], [5.6, 49.05]], [8, [217, 100], [12.5, 48.6]], [9, [336, 155], [114.17, 22.35]],
  [10, [295, 154], [76.8, 18.3]], [11, [374, 115], [141.2, 40.5]], [12, [79, 149], [-101.2, 21.5]],
  [13, [213, 93], [6.3, 52.1]], [14, [414, 245], [175.3, -39.9]], [15, [229, 88], [22.0, 53.5]],
  [16, [203, 94], [0.5, 51.4]], [17, [77, 118], [-102.8, 39.7]], [18, [198, 94], [-3.3, 51.6]],
  [19, [258, 159], [46.3, 15.0]], [20, [233, 207], [26.6, -18.4]],
].map(([number, point, inside]) => ({ number, point, inside }));

const mercator = d3.geoMercator().rotate([-centreLongitude, 0]).scale(1).translate([0, 0]);

function leastSquaresLine(xs, ys) {
  const n = xs.length;
  const mx = xs.reduce((a, b) => a + b, 0) / n;
  const my = ys.reduce((a, b) => a + b, 0) / n;
  let sxy = 0;
  let sxx = 0;
  for (let i = 0; i < n; i++) {
    sxy += (xs[i] - mx) * (ys[i] - my);
    sxx += (xs[i] - mx) ** 2;
  }
  const slope = sxy / sxx;
  return { slope, offset: my - slope * mx };
}

const raw = anchors.map((a) => mercator(a.inside));
const fitX = leastSquaresLine(raw.map((p) => p[0]), anchors.map((a) => a.point[0]));
const fitY = leastSquaresLine(raw.map((p) => p[1]), anchors.map((a) => a.point[1]));
const stretch = ([x, y]) => [fitX.slope * x + fitX.offset, fitY.slope * y + fitY.offset];

// Gaussian radial warp through the anchors, solved exactly (Gauss-Jordan elimination).
const sigma = 9;
const kernel = (a, b) => Math.exp(-((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2) / (2 * sigma * sigma));
const centres = raw.map(stretch);

function solve(matrix, rhs) {
  const n = rhs.length;
  const m = matrix.map((row, i) => [...row, rhs[i]]);
  for (let c = 0; c < n; c++) {
    let pivot = c;
    for (let r = c + 1; r < n; r++) if (Math.abs(m[r][c]) > Math.abs(m[pivot][c])) pivot = r;
    [m[c], m[pivot]] = [m[pivot], m[c]];
    for (let r = 0; r < n; r++) {
      if (r === c) continue;
      const f = m[r][c] / m[c][c];
      for (let k = c; k <= n; k++) m[r][k] -= f * m[c][k];
    }
  }
  return m.map((row, i) => row[n] / row[i]);
}

const gram = centres.map((a) => centres.map((b) => kernel(a, b)));
// The inside point lands on the middle of the map point's pixel.
const weightsX = solve(gram, anchors.map((a, i) => a.point[0] + 0.5 - centres[i][0]));
const weightsY = solve(gram, anchors.map((a, i) => a.point[1] + 0.5 - centres[i][1]));

function warp(p) {
  let dx = 0;
  let dy = 0;
  for (let i = 0; i < centres.length; i++) {
    const k = kernel(p, centres[i]);
    dx += weightsX[i] * k;
    dy += weightsY[i] * k;
  }
  return [p[0] + dx, p[1] + dy];
}

const toPicture = (planar) => warp(stretch(planar));

// A d3 projection-like object: d3's Mercator (with its antimeridian clipping), then ours.
const projection = {
  stream(output) {
    const bend = d3.geoTransform({
      point(x, y) {
        const [px, py] = toPicture([x, y]);
        this.stream.point(px, py);
      },
    });
    return mercator.stream(bend.stream(output));
  },
};

function project(lonLat) {
  const planar = mercator(lonLat);
  return planar ? toPicture(planar) : null;
}

module.exports = { width, height, anchors, projection, project, fitX, fitY, weightsX, weightsY };
