'use strict';
// The one palette of every picture in the game, as the style sheet names it.

module.exports = Object.freeze({
  ink: '#1B2A41',
  paper: '#F7F4EC',
  orange: '#FF6B1A',
  orangeLight: '#FF9A55',
  orangeMid: '#E85A0C',
  orangeDark: '#A63A00',
  green: '#2EBF5B',
  blue: '#1F7AE0',
  magenta: '#E0338A',
  yellow: '#FFD23F',
  red: '#D7263D',
  fieldDark: '#3F7A34',
  fieldLight: '#6FAE4F',
  steel: '#8A94A6',
  white: '#FFFFFF',
});
