#pragma once

namespace picgen {

// The key columns of the one-hand method, named by the home key whose finger strikes them.
enum Column {
    kColumnF,   // columns 1 to 4: 1 q a y ... 4 r f v
    kColumnG,   // column 5: 5 t g b
    kColumnH,   // column 6: 6 z h n
    kColumnJ,   // column 7 and everything right of it, Enter included
    kColumnCount
};

// Column of a key index that has a key (0..43); the space bar belongs to none.
Column ColumnOf(int keyIndex);

}  // namespace picgen
