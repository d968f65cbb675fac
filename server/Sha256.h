#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrix::server {

std::array<std::uint8_t, 32> sha256(std::string_view data);
std::string toHex(const std::uint8_t* data, std::size_t size);

// Salted, stretched hash of the scrambled password text the client sends.
std::string hashPassword(std::string_view scrambled, std::string_view salt);
std::string newSalt();

} // namespace tavrix::server
