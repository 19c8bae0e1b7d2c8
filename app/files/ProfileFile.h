#pragma once
// The profile file: one profile's button assignments, lighting and performance
// settings as XML.
//
//   <profile>
//   <profileinfo name="..">
//   <keyitems>      <item key_code macro_type macro_value macro_value2 macro_value3 macro_desc/> ...
//   <Lightitems lightmode="..">  <item light_mode brightness speed direction colorful colorindex color_value/> ...
//   <Mouse_DPI dpi_flag dpi_index dpi_count>  <DPI1 value color value_y/> ... <DPI5 .../>
//   <Mouse>         <button_respondtime value/> <report_rate value/> ... <leftbtn_lock value/>
//   </profileinfo>
//   </profile>
//
// DPIn carries level n-1: `value` its X value, `color` its colour and, only
// where the level's Y value differs from X, `value_y` its Y value; without it
// both axes take the X value. A setting the store does not hold is written as an
// empty value. UTF-8, one element per line, CR LF line ends, no indentation.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CString.h"
#include "FileOutcome.h"
#include "KeyAssignment.h"
#include "LightRecord.h"
#include "XmlDocument.h"

inline constexpr int kProfileFileDpiLevels = 5;

struct ProfileFileContent {
    CString name;
    // key_code, macro_type, macro_value, macro_value2, macro_value3 and macro_desc.
    std::vector<KeyAssignment> keys;
    // The active lighting mode; empty when the file has none (or no usable one).
    std::optional<int> lightMode;
    // mode, brightness, speed, direction, colorful, colorindex and color_value.
    std::vector<LightRecord> lights;
    // Configuration key -> value as decimal text. Export writes a missing key as
    // an empty value; import holds only keys whose value passed its check.
    std::map<CString, CString> config;
};

// The configuration keys a profile file carries, in the order they are written.
const std::vector<CString>& ProfileFileConfigKeys();

// The document of a profile, built with the XML component's layout.
void BuildProfileDocument(const ProfileFileContent& content, XmlDocument& doc);

// Reads a profile file's bytes (taken from `path`, which only names it in the
// outcome). Values that are missing or outside their domain are left out and
// listed, and so is every item holding one; a setting written empty is left
// out without a word, as export writes it so. The outcome fails only for a file
// that is no profile file at all.
FileOutcome ReadProfileFile(const std::string& bytes, const CString& path, ProfileFileContent& content);
