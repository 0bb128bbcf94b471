/* The input boxes' callbacks: each takes the text the pilot typed and sets
 * one setting of the slot of the Weapons display that opened the box. */
#ifndef BRIMSTAR_WEAPONS_SLOT_PARSERS_H
#define BRIMSTAR_WEAPONS_SLOT_PARSERS_H

/* The shape of the host's input-box callback: an identifier (ignored), the
 * text, and the display. True when the text is accepted. */
bool ParseDistance(void* id, char* text, void* display);
bool ParseVelocity(void* id, char* text, void* display);
bool ParsePower(void* id, char* text, void* display);
bool ParseDuration(void* id, char* text, void* display);
bool ParseDelay(void* id, char* text, void* display);
bool ParseSeqDelay(void* id, char* text, void* display);

#endif
