#include "screenshot/jpeg_export.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace lumatik {

std::string JpegItemCaption(int quality) {
  return "Speichern als JPG-Datei (" + std::to_string(quality) + "%)";
}

namespace {

// libjpeg's own error handler ends the process; ours jumps back to the
// writer, which then reports the failure.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

extern "C" void LeaveOnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->escape, 1);
}

// Warnings are not worth a failure, and libjpeg must not print them.
extern "C" void IgnoreMessage(j_common_ptr) {}

// Everything that must survive a longjmp lives here, outside the frame
// that calls setjmp, so no local variable is left indeterminate.
struct Compression {
  jpeg_compress_struct info{};
  ErrorManager errors{};
  std::FILE* file = nullptr;
  bool created = false;
};

// Returns false (with the message in errors.message) when libjpeg complained.
bool Compress(Compression& job, const RgbPicture& picture, int quality) {
  if (setjmp(job.errors.escape) != 0) return false;
  jpeg_create_compress(&job.info);
  job.created = true;
  jpeg_stdio_dest(&job.info, job.file);
  job.info.image_width = static_cast<JDIMENSION>(picture.width);
  job.info.image_height = static_cast<JDIMENSION>(picture.height);
  job.info.input_components = 3;
  job.info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job.info);
  jpeg_set_quality(&job.info, quality, TRUE);
  jpeg_start_compress(&job.info, TRUE);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
  while (job.info.next_scanline < job.info.image_height) {
    // libjpeg takes non-const rows but only reads them.
    auto* row = const_cast<JSAMPLE*>(picture.pixels.data() + job.info.next_scanline * stride);
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&job.info, rows, 1);
  }
  jpeg_finish_compress(&job.info);
  return true;
}

}  // namespace

JpegResult WriteJpegFile(const std::string& path, const RgbPicture& picture, int quality) {
  JpegResult result;
  if (picture.width < 1 || picture.height < 1) {
    result.error = "picture without pixels";
    return result;
  }
  if (picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height * 3) {
    result.error = "pixel rows do not match the picture's size";
    return result;
  }
  if (quality < kMinJpegQuality || quality > kMaxJpegQuality) {
    result.error = "quality out of range";
    return result;
  }
  // The file appears under its name only when it is complete, and an
  // older file of that name survives a failure.
  const std::string partial = path + ".part";
  Compression job;
  job.info.err = jpeg_std_error(&job.errors.base);
  job.errors.base.error_exit = LeaveOnError;
  job.errors.base.output_message = IgnoreMessage;
  job.file = std::fopen(partial.c_str(), "wb");
  if (!job.file) {
    result.error = "cannot create " + partial;
    return result;
  }
  const bool compressed = Compress(job, picture, quality);
  if (job.created) jpeg_destroy_compress(&job.info);
  const bool written = std::ferror(job.file) == 0;
  const bool closed = std::fclose(job.file) == 0;
  if (!compressed || !written || !closed) {
    std::remove(partial.c_str());
    result.error = !compressed ? std::string(job.errors.message) : "cannot write " + partial;
    return result;
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    std::remove(partial.c_str());
    result.error = "cannot rename " + partial + " to " + path;
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace lumatik
