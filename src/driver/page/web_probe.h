#pragma once
// What the page's script and the browser tests ask of the game, through functions they call:
//   zarvo_text_entry()                    while the game takes typed letters (a name or a
//                                         code word), the letters typed so far; else null
//   zarvo_dump()                          the running game's state dump (JSON)
//   zarvo_button(name)                    a button of the screens by its name in the code
//                                         (Title_Score_Button): {"Left", "Top", "Right",
//                                         "Bottom", "X", "Y"} with its centre, or null
//   zarvo_replay(frames)                  the headless runner over /replay/input.txt, leaving
//                                         dump.json, sounds.txt and shot.bmp in /replay, with
//                                         the score file /replay/Zarvo.Scr; answers its exit code
//   zarvo_verify(text)                   a run file's text verified by the page's build: the
//                                         line zarvo --verify prints for it, or what is wrong
//   zarvo_end_game()                      ends the running game as a lost last life does: the
//                                         game-over box comes up (a long game in a few frames)
//   zarvo_bench(difficulty, level, frames) times that many busy frames (drawn and shown on the
//                                         page's canvas) of the level, or of the title screen
//                                         for difficulty 0; answers their times in ms
#include "platform/web/web_media.h"
#include "state/world.h"

namespace zarvo {

void Open_Web_Probe(const Assets& assets, World& world, Web_Media& media);

}  // namespace zarvo
