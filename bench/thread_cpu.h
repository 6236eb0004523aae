#pragma once

// Milliseconds of processor time the calling thread has used. On a loaded machine the wall
// time mostly measures waiting for a core; this is the work.
double ThreadCpuMs();
