#pragma once
// Marks a text the user reads as one for the translations, where it is
// written: in the portable core, which knows no Qt. It is the text itself;
// the front-ends look it up in their language by its context and its
// English words (scripts/update-translations.sh gathers every marked text).
#define GRIDORA_TRANSLATABLE(context, text) text
