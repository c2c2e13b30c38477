// The glTF library's implementation, compiled once. Only writing is used, so
// the image codecs stay out.
#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>
