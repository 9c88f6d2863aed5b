#pragma once

#include <string>
#include <string_view>
#include <vector>

// The machine's network interfaces (getifaddrs), with one of them reported under the name of
// the phone's interface it stands for ("en0"). Main thread only.
namespace platform::foundation {

struct InterfaceAddress {
  std::string name;
  // Dotted decimal.
  std::string ipv4;
};

// The IPv4 addresses of every interface; empty when the list cannot be read.
std::vector<InterfaceAddress> ipv4InterfaceAddresses();

// From now on the machine's interface `machineName` is listed as `phoneName`; an empty machine
// name drops the alias.
void setInterfaceAlias(std::string_view phoneName, std::string_view machineName);

}  // namespace platform::foundation
