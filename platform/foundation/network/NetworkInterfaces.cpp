#include "platform/foundation/network/NetworkInterfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <map>
#include <memory>

namespace platform::foundation {

namespace {

// Machine name → phone name.
std::map<std::string, std::string, std::less<>>& aliases() {
  static std::map<std::string, std::string, std::less<>> table;
  return table;
}

}  // namespace

std::vector<InterfaceAddress> ipv4InterfaceAddresses() {
  std::vector<InterfaceAddress> addresses;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owned(list, freeifaddrs);
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET || entry->ifa_name == nullptr) continue;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) == nullptr) continue;
    std::string name = entry->ifa_name;
    if (const auto alias = aliases().find(name); alias != aliases().end()) name = alias->second;
    addresses.push_back({std::move(name), text});
  }
  return addresses;
}

void setInterfaceAlias(std::string_view phoneName, std::string_view machineName) {
  std::erase_if(aliases(), [&](const auto& entry) { return entry.second == phoneName; });
  if (!machineName.empty()) aliases()[std::string(machineName)] = std::string(phoneName);
}

}  // namespace platform::foundation
