#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Image.h"

namespace platform::ui {
class ImageView;
}

namespace vantile {

// Fills the image views of "UIImageView" and "WeatherIcon" elements once they are attached:
// an asset file or a web address, a live signal or Wi-Fi picture, a system symbol, or a
// weather icon, recoloured on request. Every preparation sets the view's image anew (none
// when nothing could be read); nothing is cached. A web picture comes later, on the main
// queue (WebPictureLoads), and a preparation made meanwhile wins over it. Main thread only.
class ImagePipeline {
 public:
  ImagePipeline() = delete;

  // "SFSymbolName" (symbol mode, tinted with "SFColor"), else "imageURL" (an assets-folder
  // name or a web address), overridden by a "signalImages" / "wifiImages" "imageFolder" picture
  // of the live bar count; then "imageColor" recolours it ("imageIsBlack" "YES": no inversion).
  static void setupImageForImageView(platform::ui::ImageView& view, const platform::Value& options);

  // The "iconSet" picture of the editor's sample condition code (of the "forecast" day when it
  // names one); without the editor's sample data no code is known and the view shows nothing.
  static void setupWeatherImageForImageView(platform::ui::ImageView& view, const platform::Value& options);

  // Present and neither "none", "null" nor empty.
  static bool checkIfSFSymbol(const std::optional<std::string>& name);

  // The platform's weight number of an "SFWeight" word ("thin" 2 ... "black" 9, lower case);
  // nothing for any other word.
  static std::optional<int> symbolWeightForWord(std::string_view word);

  // The picture recoloured with "imageColor" (light artwork inverted first unless "imageIsBlack"
  // is "YES"); unchanged without a readable colour.
  static std::optional<platform::graphics::Image> recolouredImage(std::optional<platform::graphics::Image> image,
                                                                  const platform::Value& options);

  // Shows the picture at the URL recoloured with the options' "imageColor" and "imageIsBlack":
  // a "file://" URL (a system path, mapped into the device folder) at once, anything else as a
  // web address once it has arrived, no picture until then.
  static void showPictureAtURL(platform::ui::ImageView& view, const std::string& url, const platform::Value& options);

  // The decoded picture at a "file://" URL; nothing for anything else.
  static std::optional<platform::graphics::Image> imageAtFileURL(std::string_view url);
};

}  // namespace vantile
