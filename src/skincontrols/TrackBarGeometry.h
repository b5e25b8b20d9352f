#pragma once

#include "core/Geometry.h"

namespace tavrik {

// The value range of a track bar or gauge. Nothing keeps Min <= Max: a value is pulled below
// Max first and then above Min, so a reversed range holds only Min.
struct TValueRange {
    int Min = 0;
    int Max = 100;
    int Value = 50;

    int Clamp(int value) const;
    // The value's share of the range, 0 to 1; 0 for an empty or reversed range.
    double Share() const;
};

// Where the thumb of a track bar runs and stands, for a track rectangle and thumb size.
//
//       TrackStart                               TrackEnd
//   +------|--------------------------------------|------+   track rectangle
//   | [thumb]                                     |      |   thumb centre moves between the
//   +-----------------------------------------------------+   two, Min at TrackStart (vertical:
//                                                            Min at TrackEnd, the bottom)
struct TThumbPlace {
    int TrackStart = 0;
    int TrackEnd = 0;
    int Offset = 0; // of the thumb's centre from TrackStart (vertical: up from TrackEnd)
    TRect Thumb;
};

TThumbPlace PlaceThumb(const TRect& track, TSize thumb, bool vertical, const TValueRange& range);

// The part of a bar of the given size that shows its track filled: from the bar's start (the
// left edge, or the bottom when it stands) up to the thumb's centre.
TRect FilledPart(const TThumbPlace& place, TSize bar, bool vertical);

// The value for a thumb offset along a track of the given length; offsets beyond either end
// pin it to Min or Max, and a track of no length gives Min.
int ValueFromOffset(int offset, int trackLength, const TValueRange& range);

// The thumb of the plain look: as high as the track bar less 4 and half as wide (vertical:
// the other way round); its track is the control less 2 on every side.
TSize PlainThumbSize(TSize control, bool vertical);
TRect PlainTrack(TSize control);

// The offset a click at point asks for when the thumb jumps to the click: the thumb's centre
// goes under the pointer.
int JumpOffset(TPoint point, const TThumbPlace& place, bool vertical);

// The offset a drag asks for: the thumb follows the pointer from where it was grabbed.
int DragOffset(TPoint point, TPoint grabbedAt, int grabbedOffset, bool vertical);

} // namespace tavrik
