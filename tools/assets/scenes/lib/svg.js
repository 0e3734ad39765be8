'use strict';
// Small helpers for writing SVG by hand.

const palette = require('../../lib/palette.js');

const font = 'Liberation Sans';

function svgDocument(width, height, body, viewBox) {
  const box = viewBox || `0 0 ${width} ${height}`;
  return `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${width}" height="${height}" viewBox="${box}">\n${body}\n</svg>\n`;
}

function attributes(attrs) {
  return Object.entries(attrs)
    .filter(([, value]) => value !== undefined && value !== null)
    .map(([key, value]) => `${key.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase())}="${value}"`)
    .join(' ');
}

function element(name, attrs, content) {
  const open = `<${name} ${attributes(attrs || {})}`;
  return content === undefined ? `${open}/>` : `${open}>${content}</${name}>`;
}

const rect = (attrs) => element('rect', attrs);
const circle = (attrs) => element('circle', attrs);
const ellipse = (attrs) => element('ellipse', attrs);
const path = (attrs) => element('path', attrs);
const line = (attrs) => element('line', attrs);
const polygon = (attrs) => element('polygon', attrs);
const group = (attrs, content) => element('g', attrs, content);

function escapeXml(value) {
  return String(value).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function text(content, attrs) {
  return element('text', { fontFamily: font, ...attrs }, escapeXml(content));
}

function linearGradient(id, stops, direction) {
  const [x1, y1, x2, y2] = direction || [0, 0, 0, 1];
  const stopTags = stops.map(([offset, colour, opacity]) =>
    element('stop', { offset, stopColor: colour, stopOpacity: opacity === undefined ? 1 : opacity })).join('');
  return element('linearGradient', { id, x1, y1, x2, y2 }, stopTags);
}

function radialGradient(id, stops, centre) {
  const [cx, cy, r, fx, fy] = centre || [0.5, 0.5, 0.5, 0.5, 0.5];
  const stopTags = stops.map(([offset, colour, opacity]) =>
    element('stop', { offset, stopColor: colour, stopOpacity: opacity === undefined ? 1 : opacity })).join('');
  return element('radialGradient', { id, cx, cy, r, fx, fy }, stopTags);
}

function defs(content) {
  return `<defs>${content}</defs>`;
}

function image(href, width, height, x, y) {
  return element('image', { x: x || 0, y: y || 0, width, height, 'xlink:href': href, preserveAspectRatio: 'none' });
}

module.exports = { palette, font, svgDocument, element, rect, circle, ellipse, path, line, polygon, group, text, linearGradient, radialGradient, defs, image };
