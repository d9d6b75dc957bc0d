#pragma once
// Extension bundles are built with -fvisibility=hidden so that each keeps its
// own copy of the control framework. Everything the shared platform library
// offers must therefore be marked visible explicitly, or a bundle could not
// link against it.
#define ZQP_API __attribute__((visibility("default")))
