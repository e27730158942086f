#pragma once

// Which way a barcode reads. The vertical ones swap the roles of width and
// height: the bars lie horizontally and the symbol runs down the page.
enum TppBarCodeOrientation : int {
    orLeftToRight, // as printed on a shelf label
    orRightToLeft, // turned by 180 degrees
    orTopToBottom, // reading downwards, text turned by 270 degrees
    orBottomToTop  // reading upwards, text turned by 90 degrees
};

constexpr bool isBarCodeOrientation(int value) {
    return value >= orLeftToRight && value <= orBottomToTop;
}
