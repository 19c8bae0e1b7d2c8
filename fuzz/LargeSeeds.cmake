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
