#pragma once

#include <windows.h>
#include <ocidl.h>

#include "flatbutton/button_look.h"
#include "flatbutton/face_layout.h"
#include "flatbutton/geometry.h"

namespace flatbutton {

// The frame's two colours: the light one on the left and top of the raised look, the dark
// one there on the pressed look.
struct FrameColours {
    COLORREF highlight = 0;
    COLORREF shadow = 0;
};

// Everything a face is painted from; the control builds one for each painting.
struct ButtonState {
    Look look = Look::Flat;
    OLE_COLOR backColour = 0;  // a system colour index is resolved when painting
    FrameColours frame;
    IPictureDisp* picture = nullptr;  // borrowed for the call; none: the back colour alone
    HimetricScale pictureScale;       // the device's pixels per HIMETRIC unit
};

// The whole look in rect: the back colour, the picture at its natural size where the face
// layout puts it, and the frame of the raised and pressed looks. A failure to resolve the
// colour or to read or render the picture ends the painting at that step.
HRESULT PaintFace(HDC dc, const ButtonState& state, const Rect& rect) noexcept;

// The look's frame alone, over what the device shows: the face beneath is not repainted,
// so a change between the flat and raised looks does not flicker. Nothing for the flat look.
HRESULT PaintFrame(HDC dc, const ButtonState& state, const Rect& rect) noexcept;

}  // namespace flatbutton
