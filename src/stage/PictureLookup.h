// PictureLookup.h: how effects find their pictures by resource name.
#pragma once

#include <functional>

class ksImage;

// Answers the picture of a resource name, or null when there is none; a missing picture simply
// draws nothing. Effects ask only while they are being built, never during a frame, and keep
// the pointers, so the pictures must outlive them.
using PictureLookup = std::function<const ksImage*(const char* name)>;
