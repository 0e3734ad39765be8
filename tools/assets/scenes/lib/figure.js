'use strict';
// A paintball player in a mask, posed by its joints; limbs are thick rounded
// strokes with an ink edge, in the friendly flat style of the other pictures.
const { circle, path, group, rect, palette } = require('./svg');

function limb(points, colour, width) {
  const d = 'M' + points.map(([x, y]) => `${x} ${y}`).join(' L');
  const common = { d, fill: 'none', strokeLinecap: 'round', strokeLinejoin: 'round' };
  return path({ ...common, stroke: palette.ink, strokeWidth: width + 4 }) + path({ ...common, stroke: colour, strokeWidth: width });
}

function head(x, y, r, facing, jersey) {
  const side = facing >= 0 ? 1 : -1;
  return circle({ cx: x, cy: y, r, fill: jersey, stroke: palette.ink, strokeWidth: 2 }) +
    rect({ x: x - r * 0.2 + side * r * 0.1 - (side < 0 ? r * 0.8 : 0), y: y - r * 0.45, width: r * 1.1, height: r * 0.6, rx: r * 0.25,
      fill: '#2B2F36', stroke: palette.ink, strokeWidth: 1.5 }) +
    rect({ x: x + side * r * 0.2 - (side < 0 ? r * 0.55 : 0), y: y - r * 0.35, width: r * 0.55, height: r * 0.3, rx: r * 0.12, fill: '#7FD3FF' }) +
    path({ d: `M${x - r * 0.5} ${y + r * 0.35} Q${x + side * r * 0.5} ${y + r * 0.95} ${x + side * r * 0.95} ${y + r * 0.3}`,
      fill: 'none', stroke: palette.ink, strokeWidth: 1.5 });
}

// joints: { head, neck, hip, handFront, elbowFront, handBack, elbowBack, kneeFront, footFront, kneeBack, footBack }
function figure(joints, options) {
  const jersey = options.jersey || palette.blue;
  const trousers = options.trousers || '#2B2F36';
  const skin = options.gloves || '#2B2F36';
  const width = options.width || 10;
  const j = joints;
  return group({},
    limb([j.hip, j.kneeBack, j.footBack], trousers, width) +
    limb([j.neck, j.elbowBack, j.handBack], jersey, width * 0.85) +
    limb([j.neck, j.hip], jersey, width * 1.6) +
    limb([j.hip, j.kneeFront, j.footFront], trousers, width) +
    (options.marker || '') +
    limb([j.neck, j.elbowFront, j.handFront], jersey, width * 0.85) +
    circle({ cx: j.handFront[0], cy: j.handFront[1], r: width * 0.45, fill: skin, stroke: palette.ink, strokeWidth: 1.5 }) +
    head(j.head[0], j.head[1], options.headRadius || width * 1.2, options.facing || 1, jersey));
}

module.exports = { figure, limb };
