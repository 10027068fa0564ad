// CTevAsnBuffer operations in an order chosen by the input, checked against a
// std::string model after every step: content, length, the terminating zero,
// and "no data block when empty".
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "FuzzSupport.h"

using namespace NTevAsnValue;
using namespace tev_fuzz;

namespace {

void check(const CTevAsnBuffer& buffer, const std::string& model) {
  require(buffer.length() == model.size(), "length differs from the model");
  if (model.empty()) {
    require(buffer.data() == nullptr, "an empty buffer holds a block");
    return;
  }
  require(buffer.data() != nullptr, "a non-empty buffer without data");
  require(std::memcmp(buffer.data(), model.data(), model.size()) == 0, "content differs");
  require(buffer.data()[model.size()] == '\0', "no terminating zero");
  require(buffer.is_equal(model.data(), model.size()), "is_equal denies its own content");
}

std::string before_zero(const std::string& s) { return s.substr(0, std::strlen(s.c_str())); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  CTevAsnBuffer buffers[2];
  std::string models[2];
  while (provider.remaining_bytes() > 0) {
    const int which = provider.ConsumeBool() ? 1 : 0;
    CTevAsnBuffer& buffer = buffers[which];
    std::string& model = models[which];
    const CTevAsnBuffer& other = buffers[1 - which];
    const std::string& other_model = models[1 - which];
    const std::string bytes = provider.ConsumeRandomLengthString(64);
    switch (provider.ConsumeIntegralInRange<int>(0, 10)) {
      case 0:
        require(buffer.assign(bytes.data(), bytes.size()) == ASN_OK, "assign");
        model = bytes;
        break;
      case 1:
        require(buffer.assign_text(bytes.c_str()) == ASN_OK, "assign_text");
        model = before_zero(bytes);
        break;
      case 2:
        require(buffer.append(bytes.data(), bytes.size()) == ASN_OK, "append");
        model += bytes;
        break;
      case 3:
        require(buffer.append_text(bytes.c_str()) == ASN_OK, "append_text");
        model += before_zero(bytes);
        break;
      case 4:
        require(buffer.append_buffer(&other) == ASN_OK, "append_buffer");
        model += other_model;
        break;
      case 5:
        require(buffer.append_buffer(&buffer) == ASN_OK, "append_buffer of itself");
        model += std::string(model);
        break;
      case 6: {
        // A piece of its own content.
        const std::size_t from = bytes.size() % (model.size() + 1);
        require(buffer.assign(buffer.data() == nullptr ? "" : buffer.data() + from,
                              model.size() - from) == ASN_OK,
                "assign from itself");
        model = model.substr(from);
        break;
      }
      case 7: {
        CTevAsnBuffer* copy = nullptr;
        require(buffer.clone(&copy) == ASN_OK && copy != nullptr, "clone");
        check(*copy, model);
        require(copy->is_equal_buffer(&buffer), "a clone differs");
        copy->release();
        break;
      }
      case 8:
        require(buffer.is_equal_text(bytes.c_str()) == (model == before_zero(bytes)),
                "is_equal_text");
        break;
      case 9:
        require(buffer.is_equal_buffer(&other) == (model == other_model), "is_equal_buffer");
        break;
      default:
        require(buffer.is_equal(bytes.data(), bytes.size()) == (model == bytes), "is_equal");
        break;
    }
    check(buffer, model);
    if (model.size() > 65536) {
      buffer.assign(nullptr, 0);
      model.clear();
    }
  }
  return 0;
}
