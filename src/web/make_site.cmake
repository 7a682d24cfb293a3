# Lays out SITE, the files to put on a web server: PAGE (index.html), README (readme.txt, which
# the help command opens), LICENSE and NOTICES (as LICENSE.txt and THIRD-PARTY-NOTICES.txt), the
# web app manifest, the icons from ICONS and the service worker made from WORKER, whose cache name
# carries VERSION and a digest of the other files.
set(icons discada.svg discada_256.png discada_128.png)
set(files index.html readme.txt LICENSE.txt THIRD-PARTY-NOTICES.txt manifest.webmanifest ${icons})
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY_FILE ${PAGE} ${SITE}/index.html)
# A browser shows a plain-text file as UTF-8 for certain only when it starts with the byte-order
# mark.
string(ASCII 239 187 191 bom)
function(copy_with_byte_order_mark source target)
    file(READ ${source} text)
    file(WRITE ${SITE}/${target} "${bom}${text}")
endfunction()
copy_with_byte_order_mark(${README} readme.txt)
copy_with_byte_order_mark(${LICENSE} LICENSE.txt)
copy_with_byte_order_mark(${NOTICES} THIRD-PARTY-NOTICES.txt)
file(COPY_FILE ${MANIFEST} ${SITE}/manifest.webmanifest)
foreach(icon IN LISTS icons)
    file(COPY_FILE ${ICONS}/${icon} ${SITE}/${icon})
endforeach()

set(digests "")
set(listed "")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} digest)
    string(APPEND digests ${digest})
    list(APPEND listed "\"${name}\"")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 12 digest)
list(JOIN listed ", " listed)
file(READ ${WORKER} worker)
string(REPLACE "@DISCADA_CACHE_VERSION@" "${VERSION}-${digest}" worker "${worker}")
string(REPLACE "@DISCADA_FILES@" "${listed}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
