# Each library of the program shows its users its own folder's headers and
# nothing else, so a layer reaches only the layers it links.
#
# pluvane_expose_headers(<target> <prefix>) links every header of the
# current source folder (not of its sub-folders) into
# <build>/include/<target>/<prefix>/ and makes <build>/include/<target> the
# target's one public include directory: users write "<prefix>/Name.h".
function(pluvane_expose_headers target prefix)
  set(include_root ${PROJECT_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${include_root})
  file(MAKE_DIRECTORY ${include_root}/${prefix})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${include_root}/${prefix}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${include_root})
endfunction()
