#include "platform/sim/file_system.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace sim {
namespace {

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::vector<std::string> split(std::string_view rest) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= rest.size()) {
    const std::size_t end = std::min(rest.find('\\', start), rest.size());
    std::string part(rest.substr(start, end - start));
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(std::move(part));
    }
    start = end + 1;
  }
  return parts;
}

}  // namespace

FileSystem::FileSystem() { nodes_["C:\\"] = Node{"C:\\", true, {}, false, {}}; }

std::optional<std::string> FileSystem::full_path(std::string_view path) const {
  std::string p(path);
  for (char& c : p) {
    if (c == '/') c = '\\';
  }
  if (p.empty()) return std::nullopt;
  std::string root;
  std::string rest;
  if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
    const std::size_t server_end = p.find('\\', 2);
    if (server_end == std::string::npos || server_end == 2) return std::nullopt;
    const std::size_t share_end = std::min(p.find('\\', server_end + 1), p.size());
    if (share_end == server_end + 1) return std::nullopt;
    root = p.substr(0, share_end) + "\\";
    rest = share_end < p.size() ? p.substr(share_end) : "";
  } else if (p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]))) {
    root = std::string(1, upper(p[0])) + ":\\";
    rest = p.substr(2);
  } else if (p[0] == '\\') {
    const std::string base = cwd_.substr(0, cwd_.find('\\', cwd_.rfind(':') + 1) + 1);
    root = base.empty() ? "C:\\" : base;
    rest = p;
  } else {
    return full_path(cwd_ + "\\" + p);
  }
  std::string out = root;
  const auto parts = split(rest);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += '\\';
    out += parts[i];
  }
  return out;
}

void FileSystem::set_current_directory(std::string_view path) { cwd_ = must_resolve(path); }

std::string FileSystem::key_of(std::string_view full) {
  std::string k(full);
  for (char& c : k) c = upper(c);
  return k;
}

std::optional<std::string> FileSystem::parent_of(std::string_view full) {
  if (!full.empty() && full.back() == '\\') return std::nullopt;  // a root
  const std::size_t cut = full.rfind('\\');
  if (cut == std::string_view::npos) return std::nullopt;
  std::string parent(full.substr(0, cut));
  // The root keeps its separator: "C:\", "\\server\share\".
  if (parent.size() == 2 && parent[1] == ':') return parent + "\\";
  if (parent.starts_with("\\\\") && std::count(parent.begin(), parent.end(), '\\') == 3) return parent + "\\";
  return parent;
}

const FileSystem::Node* FileSystem::node(std::string_view full) const {
  auto it = nodes_.find(key_of(full));
  return it == nodes_.end() ? nullptr : &it->second;
}

FileSystem::Node* FileSystem::node(std::string_view full) {
  auto it = nodes_.find(key_of(full));
  return it == nodes_.end() ? nullptr : &it->second;
}

DWORD FileSystem::missing_error(std::string_view full) const {
  const auto parent = parent_of(full);
  const Node* folder = parent ? node(*parent) : nullptr;
  return (folder && folder->directory) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

std::string FileSystem::must_resolve(std::string_view path) const {
  auto full = full_path(path);
  if (!full) throw std::invalid_argument("not a Windows path: " + std::string(path));
  return *full;
}

std::expected<DWORD, DWORD> FileSystem::attributes(std::string_view path) const {
  const auto full = full_path(path);
  if (!full) return std::unexpected(ERROR_PATH_NOT_FOUND);
  const Node* n = node(*full);
  if (!n) return std::unexpected(missing_error(*full));
  if (n->directory) return plat::FILE_ATTRIBUTE_DIRECTORY | (n->read_only ? FILE_ATTRIBUTE_READONLY : 0);
  return FILE_ATTRIBUTE_ARCHIVE;
}

DWORD FileSystem::create_directory(std::string_view path) {
  const auto full = full_path(path);
  if (!full) return ERROR_PATH_NOT_FOUND;
  if (node(*full)) return ERROR_ALREADY_EXISTS;
  const auto parent = parent_of(*full);
  const Node* folder = parent ? node(*parent) : nullptr;
  if (!folder || !folder->directory) return ERROR_PATH_NOT_FOUND;
  if (auto it = refused_.find(key_of(*full)); it != refused_.end()) return it->second;
  if (folder->read_only) return ERROR_ACCESS_DENIED;
  nodes_[key_of(*full)] = Node{*full, true, {}, false, {}};
  return 0;
}

DWORD FileSystem::copy_file(std::string_view from, std::string_view to, bool fail_if_exists) {
  auto source = read(from);
  if (!source) return source.error();
  const auto full = full_path(to);
  if (!full) return ERROR_PATH_NOT_FOUND;
  const auto parent = parent_of(*full);
  const Node* folder = parent ? node(*parent) : nullptr;
  if (!folder || !folder->directory) return ERROR_PATH_NOT_FOUND;
  if (const Node* existing = node(*full)) {
    if (existing->directory) return ERROR_ACCESS_DENIED;
    if (fail_if_exists) return ERROR_FILE_EXISTS;
    if (existing->open_error) return *existing->open_error;
  }
  if (folder->read_only) return ERROR_ACCESS_DENIED;
  nodes_[key_of(*full)] = Node{*full, false, std::move(*source), false, {}};
  return 0;
}

std::expected<Bytes, DWORD> FileSystem::read(std::string_view path) const {
  const auto full = full_path(path);
  if (!full) return std::unexpected(ERROR_PATH_NOT_FOUND);
  const Node* n = node(*full);
  if (!n) return std::unexpected(missing_error(*full));
  if (n->directory) return std::unexpected(ERROR_ACCESS_DENIED);
  if (n->open_error) return std::unexpected(*n->open_error);
  return n->bytes;
}

void FileSystem::write_file(std::string_view path, std::span<const std::uint8_t> bytes) {
  const std::string full = must_resolve(path);
  if (auto parent = parent_of(full)) make_directories(*parent);
  Node& n = nodes_[key_of(full)];
  if (n.path.empty()) n.path = full;
  n.directory = false;
  n.bytes.assign(bytes.begin(), bytes.end());
}

void FileSystem::write_file(std::string_view path, std::string_view text) {
  write_file(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void FileSystem::make_directories(std::string_view path) {
  const std::string full = must_resolve(path);
  if (auto parent = parent_of(full)) make_directories(*parent);
  Node& n = nodes_[key_of(full)];
  if (n.path.empty()) n.path = full;
  n.directory = true;
}

void FileSystem::load_host_file(std::string_view path, const std::filesystem::path& host_file) {
  std::ifstream in(host_file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + host_file.string());
  const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  write_file(path, bytes);
}

void FileSystem::load_host_tree(std::string_view folder, const std::filesystem::path& host_folder) {
  const std::string base = must_resolve(folder);
  make_directories(base);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(host_folder)) {
    std::string rel = std::filesystem::relative(entry.path(), host_folder).string();
    for (char& c : rel) {
      if (c == '/') c = '\\';
    }
    const std::string target = base + (base.back() == '\\' ? "" : "\\") + rel;
    if (entry.is_directory()) {
      make_directories(target);
    } else if (entry.is_regular_file()) {
      load_host_file(target, entry.path());
    }
  }
}

void FileSystem::remove(std::string_view path) {
  const std::string key = key_of(must_resolve(path));
  const std::string inside = key + (key.back() == '\\' ? "" : "\\");
  std::erase_if(nodes_, [&](const auto& e) { return e.first == key || e.first.starts_with(inside); });
}

bool FileSystem::exists(std::string_view path) const {
  const auto full = full_path(path);
  return full && node(*full);
}

bool FileSystem::is_directory(std::string_view path) const {
  const auto full = full_path(path);
  const Node* n = full ? node(*full) : nullptr;
  return n && n->directory;
}

std::optional<Bytes> FileSystem::file_bytes(std::string_view path) const {
  const auto full = full_path(path);
  const Node* n = full ? node(*full) : nullptr;
  if (!n || n->directory) return std::nullopt;
  return n->bytes;
}

std::vector<std::string> FileSystem::list() const {
  std::vector<std::string> out;
  for (const auto& [key, n] : nodes_) out.push_back(n.path);
  return out;
}

void FileSystem::refuse_directory(std::string_view path, DWORD error) { refused_[key_of(must_resolve(path))] = error; }

void FileSystem::make_read_only(std::string_view folder, bool read_only) {
  make_directories(folder);
  node(must_resolve(folder))->read_only = read_only;
}

void FileSystem::lock_file(std::string_view path, DWORD error) {
  Node* n = node(must_resolve(path));
  if (!n) throw std::invalid_argument("no such file to lock: " + std::string(path));
  n->open_error = error;
}

void FileSystem::unlock_file(std::string_view path) {
  if (Node* n = node(must_resolve(path))) n->open_error.reset();
}

}  // namespace sim
