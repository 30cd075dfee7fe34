#pragma once

// Which Corona graphics API a snippet is written for. V1 is Corona's first API
// (reference points, 0..255 colours); V2 is Graphics 2.0, which Solar2D runs today
// (anchors, 0..1 colours, centred shapes). The values are the ones the settings store.
enum class GraphicsApi
{
    V1 = 1,
    V2 = 2
};
