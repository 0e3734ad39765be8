// Every people picture of every screen: where it goes, its size, and its drawing.
import { document } from './svg.mjs';
import { FACES, facePortrait, blankPortrait, maskedPortrait, LARGE_OUTLINE, SMALL_OUTLINE } from './portraits.mjs';

const picture = (form, image, width, height, body, viewBox) =>
  ({ form, image, width, height, svg: document(width, height, body, viewBox) });

const CARD = '0 0 320 240';

function portraits() {
  const large = FACES.map((f, i) => picture(2, 17 + i, 320, 240, facePortrait(f, LARGE_OUTLINE)));
  const small = FACES.map((f, i) => picture(7, 14 + i, 62, 47, facePortrait(f, SMALL_OUTLINE), CARD));
  return [
    ...large, ...small,
    picture(2, 37, 320, 240, blankPortrait(LARGE_OUTLINE)),
    picture(7, 13, 62, 47, blankPortrait(SMALL_OUTLINE), CARD),
    picture(2, 45, 320, 240, maskedPortrait(LARGE_OUTLINE)),
    picture(7, 45, 62, 47, maskedPortrait(SMALL_OUTLINE), CARD),
  ];
}

export const pictures = () => [...portraits()];
