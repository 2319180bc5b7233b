// One paragraph per row, in catalogue row order.
#pragma once

#include <array>
#include <string_view>

namespace kinwise::modMayanNumerology {

inline constexpr std::array<std::string_view, 13> ToneDescriptions{
    "Power and great force are the keywords describing this day number, the first of the "
    "thirteen tones, called Magnetic. One is the spark that starts every cycle: it draws "
    "people, ideas and chances together toward a single purpose. Those born under it are "
    "natural initiators who act before others have finished speaking. Their fault is "
    "impatience; they may push so hard that partners feel pulled rather than invited.",
    "Balance is the keyword describing this day number of Mayan astrology, the second tone, "
    "known as Lunar. Two is the number of the pair: day and night, giving and receiving, "
    "self and others. Those born on it sense both sides of a question and make fine "
    "mediators, partners and counsellors. They weigh choices carefully, which spares them "
    "rash mistakes, yet the same care can become doubt when a decision cannot wait. Trusting "
    "their own judgement steadies them.",
    "Versatile and communicative are the keywords describing this day number, the third "
    "tone, called Electric. Three adds movement to the stillness of the pair, and its people "
    "carry messages, link groups and keep conversation alive. They learn quickly, switch "
    "between tasks with ease and grace, and often shine as teachers, writers or performers. "
    "Restlessness is the price of that quick current: projects may be left half done when "
    "something newer catches their eye.",
    "Again balance is the keyword for this day number of the calendar, but here it rests on "
    "form rather than on pairing. Four, the Self-Existing tone, is the square of the four "
    "directions and four seasons. Its people build foundations: they measure, plan and give "
    "shape to what others only imagine. They are dependable and thorough, though they can "
    "grow rigid and resist changes that their own careful plans did not foresee.",
    "Five is the 'elevation of all creation.' The Overtone lifts the steady square of four "
    "by adding a centre, the point from which power radiates outward. Those born under it "
    "command attention without ever asking for it; they gather resources and people and put "
    "them to work. Leadership comes easily to them, and so does generosity when they feel "
    "secure. The risk lies in pride, and in a habit of taking charge where plain listening "
    "would serve better.",
    "Imbalance is the keyword describing this day numbers of Mayan astrology, and the "
    "Rhythmic tone turns it into motion. Six is the step that tips a structure forward, like "
    "the foot leaving the ground. Rhythmic people are adaptable, organised and alert to any "
    "group's pulse. They find order in change, yet they may swing between bursts of effort "
    "and rest, and they need routines that keep them on course.",
    "'Energy to catalyze' is what describes this day number of the count, the seventh tone, "
    "called Resonant. Seven is the middle of the thirteen, where the rising and falling "
    "halves meet and echo each other. Its people are attuners: they sense the mood of a room "
    "and can change it with a single well-chosen word. Many are drawn to music or healing. "
    "Like a tuning fork left near noise, they absorb too much and must learn to rest in "
    "silence.",
    "Male authority is the keyword describing this day number of the Galactic tone, the "
    "eighth. Eight doubles the four directions, and its people seek integrity, the match "
    "between what they believe and how they live. They set standards, hold others to them "
    "and usually hold themselves to stricter ones. This gives them a quiet, fatherly "
    "standing that colleagues count on in a crisis. Trouble begins when the standards harden "
    "into control, or when they cannot admit that a rule they cherished no longer fits the "
    "situation before them.",
    "Female authority is the keyword that best describes this day number, the ninth, or "
    "Solar, tone. Nine has the strength of a mother who shelters and commands at once. Its "
    "people have clear intentions and the stamina to see them through. They nurture talent "
    "in others and lead by example rather than by decree. At their worst they may become "
    "possessive of the people and plans they have raised.",
    "The keyword describing this particular day number of Mayan astrology is manifestation. "
    "Ten, the Planetary tone, is where plans become things one can touch. Its people are "
    "producers: they finish what they start and like to see results. They are practical, "
    "loyal and good with money. They can become too attached to possessions or to the "
    "outcome of their labour.",
    "Resolution is the keyword that best describes this day number, the eleventh, or "
    "Spectral, tone. Spectral souls dissolve what no longer serves, clearing ground for "
    "renewal, though they can leave unrest in their wake.",
    "Strong and abundant energy is the keyword for birth number twelve, the Crystal tone. "
    "Its people are cooperative and clear; they gather scattered efforts into one shared "
    "result and make fine partners in any team. The danger lies in spreading that abundance "
    "far too widely.",
    "Realization is the keyword that best describes this birth number, thirteen, the Cosmic "
    "tone that closes the cycle. Thirteen holds the whole count in memory and opens the door "
    "to the next. Its people are seekers of meaning who see how events connect across years. "
    "They often reach their best late in life, after long and rich experience. Escape is the "
    "temptation: the wide view can pull them away from daily duties and close ties.",
};

} // namespace kinwise::modMayanNumerology
