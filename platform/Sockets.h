#pragma once

// Starts the platform's socket layer, the program's one check before it opens its window.
// Where sockets need no start-up it always succeeds. Returns false when the layer cannot be
// started; the program then ends.
bool StartSocketLayer();

// Tests make the next StartSocketLayer calls fail (true) or behave normally again (false).
void ForceSocketLayerFailure(bool bFail);
