// Resource names of the window's pictures, embedded from assets.qrc.  Each
// is named after the control and the property that shows it.
#pragma once

namespace kovrim::assets {

// The window's icon, 64 x 64 in 256 colours; the .ico is the same picture
// for the program file.
inline constexpr const char* kIcon = ":/pictures/icon.png";
inline constexpr const char* kIconIco = ":/pictures/icon.ico";

// Buttons: a word, black on grey.
inline constexpr const char* kPictureCommand1 = ":/pictures/command1.bmp";  // renew
inline constexpr const char* kPictureCommand2 = ":/pictures/command2.bmp";  // exit
inline constexpr const char* kPictureCommand3 = ":/pictures/command3.bmp";  // tips

// Check boxes: Picture while unticked, DownPicture while ticked.
inline constexpr const char* kPictureCheck1 = ":/pictures/check1.bmp";  // compound font
inline constexpr const char* kPictureCheck1Down = ":/pictures/check1_down.bmp";
inline constexpr const char* kPictureCheck2 = ":/pictures/check2.bmp";  // spaces
inline constexpr const char* kPictureCheck2Down = ":/pictures/check2_down.bmp";

// Code set option buttons: Picture while not selected, DownPicture while selected.
inline constexpr const char* kPictureOption1 = ":/pictures/option1.bmp";
inline constexpr const char* kPictureOption1Down = ":/pictures/option1_down.bmp";
inline constexpr const char* kPictureOption2 = ":/pictures/option2.bmp";
inline constexpr const char* kPictureOption2Down = ":/pictures/option2_down.bmp";
inline constexpr const char* kPictureOption3 = ":/pictures/option3.bmp";
inline constexpr const char* kPictureOption3Down = ":/pictures/option3_down.bmp";
inline constexpr const char* kPictureOption4 = ":/pictures/option4.bmp";
inline constexpr const char* kPictureOption4Down = ":/pictures/option4_down.bmp";

// Picture boxes.
inline constexpr const char* kPicturePicture2 = ":/pictures/picture2.bmp";    // help icon
inline constexpr const char* kPicturePicture3 = ":/pictures/picture3.bmp";    // notice banner
inline constexpr const char* kPicturePicture4 = ":/pictures/picture4.jpg";    // photograph
inline constexpr const char* kPicturePicture5 = ":/pictures/picture5.bmp";    // tips panel
inline constexpr const char* kPicturePicture22 = ":/pictures/picture22.bmp";  // notepad icon

// Images: the keyboard chart, the help panels of code sets 1 to 4 and the
// "choose the code type" label over the code-set row.
inline constexpr const char* kPictureImage0 = ":/pictures/image0.bmp";
inline constexpr const char* kPictureImage1 = ":/pictures/image1.bmp";
inline constexpr const char* kPictureImage2 = ":/pictures/image2.bmp";
inline constexpr const char* kPictureImage3 = ":/pictures/image3.bmp";
inline constexpr const char* kPictureImage4 = ":/pictures/image4.bmp";
inline constexpr const char* kPictureImage5 = ":/pictures/image5.bmp";

}  // namespace kovrim::assets
