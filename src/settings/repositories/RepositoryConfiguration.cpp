#include "settings/repositories/RepositoryConfiguration.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/values/ValueParsing.h"

namespace vantile::settings::repositories {

namespace {

constexpr const char* kDefaultHost = "https://raw.githubusercontent.com/";

const std::vector<BuiltInRepository>& bundledRepositories() {
  static const std::vector<BuiltInRepository> repositories{
      {"Kestrune", "kestrune/vantile-themes"},     {"Lumenworks", "lumenworks/themes"},
      {"Driftwood", "driftwood-studio/vantile"},   {"Nightjar", "nightjar/lockscreens"},
      {"Halcyon", "halcyon-ui/vantile-themes"},    {"Emberline", "emberline/themes"},
      {"QuartzLab", "quartzlab/vantile"},
  };
  return repositories;
}

void logFault(const std::string& fault) {
  platform::foundation::systemLog("Vantile: device.json: repositories" + fault);
}

bool isWebAddress(const std::string& address) {
  return (address.starts_with("https://") || address.starts_with("http://")) && address.ends_with("/");
}

std::optional<BuiltInRepository> builtInEntry(const platform::Value& entry) {
  if (!entry.is_object()) return std::nullopt;
  const auto name = entry.find("name");
  const auto id = entry.find("id");
  if (name == entry.end() || !name->is_string() || id == entry.end() || !id->is_string()) return std::nullopt;
  BuiltInRepository repository{name->get<std::string>(), id->get<std::string>()};
  const bool soundName = isSafePathComponent(repository.name) && repository.name.find(' ') == std::string::npos;
  if (!soundName || !isSafeRepositoryId(repository.id)) return std::nullopt;
  return repository;
}

std::vector<BuiltInRepository> builtInList(const platform::Value& list) {
  if (!list.is_array()) {
    logFault(".builtIn is not a list, using the bundled repositories");
    return bundledRepositories();
  }
  std::vector<BuiltInRepository> repositories;
  for (const platform::Value& entry : list) {
    auto repository = builtInEntry(entry);
    const bool repeated = repository && std::any_of(repositories.begin(), repositories.end(), [&](const auto& known) {
                            return known.name == repository->name;
                          });
    if (!repository || repeated) {
      logFault(".builtIn entry " + entry.dump() + " is not a new {\"name\", \"id\": \"owner/name\"}, ignored");
      continue;
    }
    repositories.push_back(std::move(*repository));
  }
  if (repositories.empty()) {
    logFault(".builtIn names no repository, using the bundled ones");
    return bundledRepositories();
  }
  return repositories;
}

void readLimits(const platform::Value& repositories, DownloadLimits& limits) {
  if (const auto timeout = repositories.find("timeoutSeconds"); timeout != repositories.end()) {
    const double seconds = timeout->is_number() ? timeout->get<double>() : 0;
    if (std::isfinite(seconds) && seconds > 0 && seconds <= 600) limits.timeoutSeconds = seconds;
    else logFault(".timeoutSeconds " + timeout->dump() + " is not between 0 and 600 seconds, ignored");
  }
  if (const auto bytes = repositories.find("maxBytes"); bytes != repositories.end()) {
    if (bytes->is_number_unsigned() && bytes->get<std::uint64_t>() > 0) limits.maxBytes = bytes->get<std::size_t>();
    else logFault(".maxBytes " + bytes->dump() + " is not a positive whole number, ignored");
  }
}

}  // namespace

RepositoryConfiguration repositoryConfigurationFrom(const platform::Value& repositories) {
  RepositoryConfiguration configuration{kDefaultHost, bundledRepositories(), {}};
  if (repositories.is_null()) return configuration;
  if (!repositories.is_object()) {
    logFault(" is not an object, using the bundled repositories");
    return configuration;
  }
  if (const auto host = repositories.find("host"); host != repositories.end()) {
    if (host->is_string() && isWebAddress(host->get_ref<const std::string&>())) configuration.baseAddress = host->get<std::string>();
    else logFault(".host " + host->dump() + " is not a web address ending in \"/\", ignored");
  }
  if (const auto list = repositories.find("builtIn"); list != repositories.end()) {
    configuration.builtIn = builtInList(*list);
  }
  readLimits(repositories, configuration.limits);
  return configuration;
}

RepositoryConfiguration repositoryConfiguration() {
  const auto file = platform::foundation::deviceRoot() / "device.json";
  const std::optional<std::string> text = platform::foundation::readFile(file);
  if (!text) return repositoryConfigurationFrom(platform::Value());
  const std::optional<platform::Value> device = platform::foundation::parseValue(*text);
  if (!device || !device->is_object()) {
    platform::foundation::systemLog("Vantile: device.json is not a JSON object, using the bundled repositories");
    return repositoryConfigurationFrom(platform::Value());
  }
  const auto repositories = device->find("repositories");
  return repositoryConfigurationFrom(repositories == device->end() ? platform::Value() : *repositories);
}

namespace {

std::optional<std::string> logged(std::optional<std::string> address, std::string_view repositoryId) {
  if (!address) platform::foundation::systemLog("Vantile: no address for repository \"" + std::string(repositoryId) + "\"");
  return address;
}

}  // namespace

std::optional<std::string> catalogueAddress(std::string_view repositoryId) {
  return logged(repositoryConfiguration().addresses(repositoryId).catalogue(), repositoryId);
}

std::optional<std::string> bannerAddress(std::string_view repositoryId) {
  return logged(repositoryConfiguration().addresses(repositoryId).banner(), repositoryId);
}

std::optional<std::string> themeFileAddress(std::string_view repositoryId, std::string_view themeName,
                                            std::string_view file) {
  return logged(repositoryConfiguration().addresses(repositoryId).themeFile(themeName, file), repositoryId);
}

std::optional<std::string> largePreviewAddress(std::string_view repositoryId, std::string_view themeName) {
  return logged(repositoryConfiguration().addresses(repositoryId).largePreview(themeName), repositoryId);
}

}  // namespace vantile::settings::repositories
