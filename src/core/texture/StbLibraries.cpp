// The one place where the stb libraries are compiled. Only the picture formats the converter
// leaves to stb are built in; the failure texts are kept because they become part of our messages.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#include <stb/stb_image.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb/stb_image_resize.h>

#define STB_DXT_IMPLEMENTATION
#include <stb/stb_dxt.h>
