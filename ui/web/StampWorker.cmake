# cmake -DSITE=DIR -DTEMPLATE=sw.js.in -DFILES="a;b;..." -P StampWorker.cmake:
# writes DIR/sw.js with the list of the site's files and a version made of
# their digest, so that every change of the site makes a new cache.
set(digests "")
foreach(file ${FILES})
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${file}:${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 TARNWICK_SITE_VERSION)
set(TARNWICK_SITE_FILES "'./'")
foreach(file ${FILES})
    string(APPEND TARNWICK_SITE_FILES ", '${file}'")
endforeach()
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
