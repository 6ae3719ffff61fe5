// stb's picture writer, for JPEG samples; someone else's code, compiled without our warnings.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
