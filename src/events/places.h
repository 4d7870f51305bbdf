// The handlers of the ordinary special places: what a lord's army meets on a site of kind 2 to 9
// (the human through dialogs, a computer lord by a fixed rule at once).
#pragma once

namespace logic {

// Refusal texts shared by several places.
inline constexpr const char* kNotEnoughGold = "Sorry, but you do not have enough gold...";
inline constexpr const char* kNotEnoughHonor = "Sorry, but you do not have enough honor...";
// The picture of every place dialog that names no other.
inline constexpr const char* kPlacePicture = "m1_book.jpg";
// The countdown a camp gets after each hire.
inline constexpr int kCampCountdown = 30;

// Each takes the site row and the visiting lord (1..4).
void VisitSorcerer(int site, int lord);
void VisitShrine(int site, int lord);
// Kinds 4, 5 and 6.
void VisitCamp(int site, int lord);
void VisitSettlers(int site, int lord);
// Kinds 8 and 9.
void VisitWitchHut(int site, int lord);
void VisitRitualPlace(int site, int lord);

}  // namespace logic
