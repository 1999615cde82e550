// The worked example that the browser tests play in every engine: what is
// typed, the figures it must give, and the dialogs' texts on the way.
'use strict';

const caution = 'Caution !!';
const closeQuestion = 'Close Tarnwick?';
const closePrompt = 'Do you wish to close the calculator....select no or you will loose all of your work!';
// The oil buffers' reference card, with the line breaks the program writes.
const oilCard =
    'Use the following formulas to find the buffer strokes for rated speeds that are not listed \r\n' +
    'in Table 201.4a ( A17.1-1996 ) or Table 2.22.4.1 ( A17.1 -2000 ) :\r\n\r\nIMPERIAL:\r\n\r\n' +
    ' ((  Rated Speed ( ft/min )  X 1.15  ) ^ 2 )    /  19320   =  Buffer Stroke ( in. )\r\n\r\nMETRIC:\r\n\r\n' +
    ' ((  Rated Speed ( m/s )  X 1.15  ) ^ 2 )   /  0.01963   =  Buffer Stroke ( mm )';
const entries = [['Rated speed, FPM', '700'], ['Counterweight runby, IN', '6'], ['Car runby, IN', '6'],
    ['Car and counterweight buffer stroke, IN', '33.25']];
const measured = [['Crosshead, measured, IN', '90'], ['Refuge space, measured, IN', '100'],
    ['Guide shoes or gate posts, measured, IN', '60'], ['Equipment projecting above crosshead, measured, IN', '70'],
    ['Obstruction above counterweight, measured, IN', '75']];
const calculated = { 'Crosshead, IN': '80.02', 'Refuge space, difference, IN': '1.98', 'Maximum counterweight runby, IN': '7.98' };
const differences = ['Crosshead', 'Refuge space', 'Guide shoes or gate posts', 'Equipment projecting above crosshead',
    'Obstruction above counterweight'].map((row) => `${row}, difference, IN`);

module.exports = { caution, closeQuestion, closePrompt, oilCard, entries, measured, calculated, differences };
