# Run by cpack after it has written the package: cpack gives the .deb's three ar
# members (debian-binary, control and data) the mode its umask leaves, so a builder with
# umask 002 would make other bytes than one with 022. Every member becomes rw-r--r--,
# as dpkg-deb writes them. (The mode is the 8-byte field at offset 40 of each 60-byte
# member header; the size, at offset 48, leads to the next header.)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(
        COMMAND perl -e [[
            open(my $f, "+<", $ARGV[0]) or die "$ARGV[0]: $!\n";
            binmode($f);
            for (my $at = 8; seek($f, $at, 0) && read($f, my $header, 60) == 60;) {
                my $size = substr($header, 48, 10) + 0;
                seek($f, $at + 40, 0);
                print $f "100644  ";
                $at += 60 + $size + ($size % 2);
            }
            close($f) or die "$ARGV[0]: $!\n";
        ]] ${package}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
