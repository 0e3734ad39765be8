'use strict';
// The tour's twenty countries in the game's order (country numbers 1..20), with the
// flag-icons code of each flag.
module.exports = [
  ['Australia', 'au'], ['Azerbaijan', 'az'], ['Brazil', 'br'], ['Canada', 'ca'], ['China', 'cn'],
  ['Denmark', 'dk'], ['France', 'fr'], ['Germany', 'de'], ['Hong Kong', 'hk'], ['India', 'in'],
  ['Japan', 'jp'], ['Mexico', 'mx'], ['Netherlands', 'nl'], ['New Zealand', 'nz'], ['Poland', 'pl'],
  ['United Kingdom', 'gb'], ['United States', 'us'], ['Wales', 'gb-wls'], ['Yemen', 'ye'], ['Zimbabwe', 'zw'],
].map(([name, code], i) => ({ number: i + 1, name, code }));
