#pragma once

// Chooses how Qt Quick draws the window; call before the application object exists. A
// choice the user made (QT_QUICK_BACKEND, QMLSCENE_DEVICE) stands.
//
// Without a GPU (no DRI render node, or LIBGL_ALWAYS_SOFTWARE), OpenGL would be emulated on
// the CPU and every frame of the speaker's rings would redraw the whole window: the
// software scene graph then draws only what changed, for about a quarter of the CPU time
// and without the emulator's 40 MB. With a GPU, OpenGL stays, with a texture atlas sized
// for the window's few small images rather than for the screen.
// True when the window is drawn in software.
bool ChooseSceneGraph();
