#pragma once

#include <string_view>

namespace frame {

// The flat buttons a main window hosts, addressed by their layout names. A face is set
// from one of the window's stored pictures, by its layout name, shared, not copied.
class FlatButtons {
  public:
    virtual ~FlatButtons() = default;
    virtual void SetPictureFrom(std::string_view button, std::string_view picture) = 0;
    virtual void SetEnabled(std::string_view button, bool enabled) = 0;
    // Puts the buttons at their places for the window's dots per inch, each showing its
    // face from that scaling's artwork.
    virtual void LayOut(int dpi) = 0;
};

}  // namespace frame
