// The page's painter against geometry worked out here: each kind of primitive, its clip, a
// repaint of areas and the Jotter's kept strokes, read back as pixels in every engine.
import {check} from './journeys.mjs';

const [red, green, blue, white] = [0x0000ff, 0x00ff00, 0xff0000, 0xffffff];
const kinds = {Fill: 0, Outline: 1, Text: 2, Line: 3, Ellipse: 4, Strokes: 6};
const all = [0, 0, 60, 40];
// The painter's 20 numbers for one primitive.
const primitive = ({kind, clip = all, rect = [0, 0, 0, 0], colour = 0, fill = -1, width = 0, ends = [0, 0, 0, 0], round = 0, dash = 0, at = 0, scale = 1}) =>
  [kinds[kind], ...clip, ...rect, colour, fill, width, ...ends, round, dash, at, scale];
const ground = primitive({kind: 'Fill', rect: all, colour: white});

// Each row: the primitives after a white ground, and points that must be painted [x, y, colour].
const rows = [
  ['fill', [{kind: 'Fill', rect: [10, 10, 20, 10], colour: red}], [[15, 15, red], [35, 15, white], [15, 25, white]]],
  ['outline a band inside its box', [{kind: 'Outline', rect: [10, 10, 30, 20], colour: blue, width: 3}],
    [[10.5, 20, blue], [12.5, 20, blue], [14, 20, white], [9.5, 20, white], [38.5, 20, blue], [25, 29.5, blue]]],
  ['flat line ends at its ends', [{kind: 'Line', ends: [10, 20, 40, 20], colour: red, width: 4}],
    [[11, 20, red], [39, 20, red], [9, 20, white], [41, 20, white], [25, 22.5, white]]],
  ['round line reaches half its width past its ends', [{kind: 'Line', ends: [10, 20, 40, 20], colour: red, width: 4, round: 1}],
    [[9.5, 20, red], [40.5, 20, red], [7, 20, white]]],
  ['dashed line: dash on, half off', [{kind: 'Line', ends: [10, 20, 58, 20], colour: red, width: 2, dash: 8}],
    [[14, 20, red], [20, 20, white], [26, 20, red], [32, 20, white]]],
  ['filled ellipse with its edge centred on the path', [{kind: 'Ellipse', rect: [10, 10, 40, 20], colour: blue, fill: green, width: 2}],
    [[30, 20, green], [30, 10.5, blue], [11, 11, white], [30, 8, white]]],
  ['ellipse edge alone', [{kind: 'Ellipse', rect: [10, 10, 40, 20], colour: blue, width: 2}], [[30, 20, white], [30, 29.5, blue]]],
  ['nothing outside the clip', [{kind: 'Fill', clip: [10, 10, 10, 10], rect: all, colour: red}], [[15, 15, red], [5, 5, white], [25, 15, white]]],
  ['the jotter: its ground at the corner, strokes scaled', [{kind: 'Strokes', rect: [10, 10, 40, 20], fill: green, scale: 2}],
    [[12, 12, green], [30, 16, red], [30, 22, green], [5, 5, white]]],
];

// One stroke in twips: (0, 45) to (600, 45) in red, 1 px wide; at scale 2 it lies on y = 10 + 6.
const strokes = [0, 45, 600, 45, red, 1];

const colourOf = c => [c & 255, c >> 8 & 255, c >> 16 & 255].join();

// Paints, then reads each point given: the painter and the oracle must agree.
const read = (d, list, points, areas = [], text = '') => d.evaluate((list, points, areas, text, strokes) => {
  const canvas = Object.assign(document.createElement('canvas'), {width: 60, height: 40});
  const p = Quillon.painter(canvas);
  Quillon.paint(p, new Float64Array([1, areas.length / 4, ...areas, ...list.flat()]), text, new Int32Array(strokes));
  const at = ([x, y]) => [...p.g.getImageData(Math.floor(x), Math.floor(y), 1, 1).data].slice(0, 3).join();
  const ink = [...p.g.getImageData(0, 0, 60, 40).data].filter((v, i) => i % 4 === 0 && v < 128).length;
  const segment = Quillon.segment(p, new Int32Array([0, 105, 600, 105, 0, 1]));
  return {colours: points.map(at), ink, segment, afterSegment: at([30, 24])};
}, list, points, areas, text, strokes);

export const paintJourneys = {
  async 'each primitive paints as its list says'(d) {
    const faults = [];
    for (const [name, items, points] of rows) {
      const {colours} = await read(d, [ground, ...items.map(primitive)], points);
      points.forEach(([x, y, want], i) => { if (colours[i] !== colourOf(want)) faults.push(`${name}: ${colours[i]} at ${x},${y}, not ${colourOf(want)}`); });
    }
    // A repaint of one area touches nothing outside it.
    const {colours} = await read(d, [primitive({kind: 'Fill', rect: all, colour: red})], [[5, 5], [30, 30]], [0, 0, 20, 20]);
    if (colours.join(' ') !== `${colourOf(red)} 0,0,0`) faults.push(`a repaint of 0,0 20x20 left ${colours.join(' ')} at 5,5 and 30,30`);
    // Text: the face's ink above its baseline, inside its clip only.
    const font = "normal 16px 'Quillon Tahoma'";
    const inClip = await read(d, [ground, primitive({kind: 'Text', ends: [5, 30, 0, 0]})], [], [], `${font}\x1fWWW\x1f`);
    const clipped = await read(d, [ground, primitive({kind: 'Text', clip: [0, 0, 60, 10], ends: [5, 30, 0, 0]})], [], [], `${font}\x1fWWW\x1f`);
    if (inClip.ink < 40 || clipped.ink !== 0) faults.push(`text inked ${inClip.ink} pixels, and ${clipped.ink} clipped away from it`);
    // A new segment goes onto the window at once where strokes are kept: 105 twips down at scale 2 is y = 24.
    const jotter = await read(d, [ground, primitive(rows.at(-1)[1][0])], []);
    if (!jotter.segment || jotter.afterSegment !== '0,0,0') faults.push(`a new segment drew ${jotter.afterSegment} at 30,24 (${jotter.segment})`);
    check(!faults.length, faults.join('\n'));
  },
};
