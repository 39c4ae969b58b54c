#pragma once

#include <QString>

namespace picgen {

// Checks the pictures in `directory`: every file there with its size, the keyboard's key
// colours, each hand picture against the keyboard (the hand clear of the picture's left,
// right and top edges, a fingertip over the struck key), and each picture at every scale.
// Prints each fault to stderr and returns how many there were.
int CheckPictures(const QString& directory);

}  // namespace picgen
