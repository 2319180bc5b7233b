# kinwise_library(<target> PUBLIC <headers...> PRIVATE <files...>)
#
# The static library of the calling folder. Every header is included from the source root as
# "<folder>/<header>"; targets that link the library see only its PUBLIC headers, while the
# folder's own sources see all of them. Each view is a folder of links in the build tree, so the
# source root itself is never on an include path.
function(kinwise_library target)
    cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    set(views "${CMAKE_CURRENT_BINARY_DIR}/include")
    file(REMOVE_RECURSE "${views}")
    set(own_headers ${ARG_PUBLIC} ${ARG_PRIVATE})
    list(FILTER own_headers INCLUDE REGEX "\\.h$")
    kinwise_link_headers("${views}/public/${folder}" ${ARG_PUBLIC})
    kinwise_link_headers("${views}/private/${folder}" ${own_headers})

    add_library(${target} STATIC ${ARG_PUBLIC} ${ARG_PRIVATE})
    target_include_directories(${target}
        PUBLIC "${views}/public"
        PRIVATE "${views}/private")
endfunction()

function(kinwise_link_headers destination)
    file(MAKE_DIRECTORY "${destination}")
    foreach(header IN LISTS ARGN)
        get_filename_component(name "${header}" NAME)
        file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}/${header}" "${destination}/${name}"
            SYMBOLIC COPY_ON_ERROR)
    endforeach()
endfunction()
