# Writes the seeds of the large fuzz run into SEED_DIR: documents of nearly 1 MB
# in the shapes that cost a parser most (deep nesting with stray end tags, end
# tags that close many unended elements, one long attribute list, values full of
# references, a document type full of comments). Made at configure time so that
# no large file lives in the source tree.
function(mirevo_write_large_xml_seeds seed_dir)
  file(MAKE_DIRECTORY ${seed_dir})
  string(REPEAT "<a k='1'>" 50000 opens)
  string(REPEAT "</z>" 120000 strays)
  file(WRITE ${seed_dir}/deep-stray.xml "<r>${opens}${strays}</r>")

  string(REPEAT "<b><c><c><c><c><c></b>" 40000 groups)
  file(WRITE ${seed_dir}/mismatched.xml "<r>${groups}</r>")

  set(attributes "")
  foreach(i RANGE 0 59999)
    string(APPEND attributes " a${i}='v'")
  endforeach()
  file(WRITE ${seed_dir}/attributes.xml "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r${attributes}/>\n")

  string(REPEAT "<e v=\"&#0000065;&amp;&#x00042;\" w='&lt;t&gt;'>text</e>\n" 19000 elements)
  file(WRITE ${seed_dir}/elements.xml "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<r>\n${elements}</r>\n")

  string(REPEAT "<!-- it's [a] \" --><?p ']' ?>" 30000 comments)
  file(WRITE ${seed_dir}/doctype.xml "<!DOCTYPE r [${comments}]>\n<r a='1'/>\n")
endfunction()

# Seeds of the long run of the macro and profile file fuzzer: files of our own
# layout just under the import limit of 1 MB, so what the fuzzer grows from them
# is read, rebuilt as a document and read again whole (a macro of some 13,800
# steps, a profile of some 8,000 button items), and one whose every step is
# refused, so the list of what an import left out is as long as it gets.
function(mirevo_write_large_file_seeds seed_dir)
  file(MAKE_DIRECTORY ${seed_dir})
  set(declaration "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n")
  set(info "<macroinfo macro_name=\"Long &amp; recorded\" macro_type=\"1\" play_times=\"3\" delay_type=\"1\" delay_time=\"0\"/>\r\n")
  string(REPEAT "<item desc=\"&#x2193;  A\" index=\"1\" type=\"2\" value=\"65\" timestamp=\"1001\"/>\r\n<item desc=\" -   25 ms\" index=\"2\" type=\"1\" value=\"25\" timestamp=\"1002\"/>\r\n<item desc=\"&#x2191;  A\" index=\"3\" type=\"3\" value=\"65\" timestamp=\"1001\"/>\r\n" 4600 steps)
  file(WRITE ${seed_dir}/long-macro.xml "${declaration}<macro>\r\n${info}<macroitems>\r\n${steps}</macroitems>\r\n</macro>\r\n")

  string(REPEAT "<item desc=\"&#27;[2J\" index=\"-1\" type=\"13\" value=\"0x41\" timestamp=\"\"/>\r\n" 14300 refused)
  file(WRITE ${seed_dir}/refused-steps.xml "${declaration}<macro>\r\n${info}<macroitems>\r\n${refused}</macroitems>\r\n</macro>\r\n")

  string(REPEAT "<item key_code=\"3\" macro_type=\"4\" macro_value=\"7\" macro_value2=\"0\" macro_value3=\"0\" macro_desc=\"Copy &amp; &lt;paste&gt;\"/>\r\n" 8250 keys)
  string(REPEAT "<item light_mode=\"2\" brightness=\"128\" speed=\"3\" direction=\"0\" colorful=\"1\" colorindex=\"2\" color_value=\"16744448\"/>\r\n" 4 lights)
  set(dpi "<Mouse_DPI dpi_flag=\"5\" dpi_index=\"2\" dpi_count=\"4\">\r\n<DPI1 value=\"400\" color=\"255\"/>\r\n<DPI2 value=\"900\" color=\"\" value_y=\"1000\"/>\r\n</Mouse_DPI>\r\n")
  set(mouse "<Mouse>\r\n<button_respondtime value=\"8\"/>\r\n<report_rate value=\"\"/>\r\n<leftbtn_lock value=\"1\"/>\r\n</Mouse>\r\n")
  file(WRITE ${seed_dir}/many-buttons.xml "${declaration}<profile>\r\n<profileinfo name=\"Large\">\r\n<keyitems>\r\n${keys}</keyitems>\r\n<Lightitems lightmode=\"2\">\r\n${lights}</Lightitems>\r\n${dpi}${mouse}</profileinfo>\r\n</profile>\r\n")
endfunction()
